#include "platform/window.h"

#include "native.h"
#include "page.h"

namespace platform {

Window::Native::~Native() {
    if (element != 0) {
        vidad_remove(element);
    }
}

void web::SetText(std::int32_t element, std::u16string_view text) {
    vidad_set_text(element, text.data(), static_cast<std::int32_t>(text.size()));
}

Window::Window(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Window::~Window() = default;

// A dialog's text is its caption, and the application window's is also the
// page's title.
void Window::SetWindowText(std::u16string_view text) {
    web::SetText(native_->element, text);
}

void Window::SetAccessibleName(std::u16string_view name) {
    vidad_set_aria(native_->element, web::kAriaLabel, name.data(),
                   static_cast<std::int32_t>(name.size()));
}

void Window::SetAccessibleDescription(std::u16string_view description) {
    vidad_set_aria(native_->element, web::kAriaDescription, description.data(),
                   static_cast<std::int32_t>(description.size()));
}

// A painted control's client area is its picture's, in the surface's pixels;
// other windows measure in CSS pixels, as laid out from their template.
Rect Window::GetClientRect() const {
    if (native_->kind == Native::Kind::Painted) {
        return static_cast<const PaintedNative&>(*native_).picture.ClientRect();
    }
    return {0, 0, native_->size.x, native_->size.y};
}

// A page has no minimized windows.
bool Window::IsIconic() const {
    return false;
}

} // namespace platform
