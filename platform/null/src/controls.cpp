#include "platform/controls.h"

#include "code_page_text.h"
#include "native.h"

namespace platform {

Edit::Edit() : Window(std::make_unique<Native>(Native::Kind::Edit)) {}

// No GBK encoder: every non-ASCII character is one byte no parse accepts.
std::string Edit::GetWindowText() const {
    return ToCodePageBytes(GetNative().text, [](std::u16string_view) { return std::nullopt; });
}

Static::Static() : Static(std::make_unique<Native>(Native::Kind::Static)) {}

Static::Static(std::unique_ptr<Native> native) : Window(std::move(native)) {}

PaintedStatic::PaintedStatic(const char* className)
    : Static(std::make_unique<PaintedNative>()), className_(className) {}

} // namespace platform
