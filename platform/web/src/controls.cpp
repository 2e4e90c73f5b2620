#include "platform/controls.h"

#include "native.h"
#include "page.h"
#include "text.h"

#include <string>

namespace platform {

Edit::Edit() : Window(std::make_unique<Native>(Native::Kind::Edit)) {}

// The field's text as the page holds it, read whole however long a paste
// made it.
std::string Edit::GetWindowText() const {
    const std::int32_t element = GetNative().element;
    std::u16string text(64, u'\0');
    std::int32_t length =
        vidad_get_text(element, text.data(), static_cast<std::int32_t>(text.size()));
    if (length > static_cast<std::int32_t>(text.size())) {
        text.resize(static_cast<std::size_t>(length));
        length = vidad_get_text(element, text.data(), length);
    }
    text.resize(static_cast<std::size_t>(length));
    return web::ToCodePage(text);
}

Static::Static() : Static(std::make_unique<Native>(Native::Kind::Static)) {}

Static::Static(std::unique_ptr<Native> native) : Window(std::move(native)) {}

PaintedStatic::PaintedStatic(const char* className)
    : Static(std::make_unique<PaintedNative>()), className_(className) {}

} // namespace platform
