#include "platform/window.h"

#include "native.h"

namespace platform {

Window::Window(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Window::~Window() = default;

void Window::SetWindowText(std::u16string_view text) {
    native_->text = text;
}

void Window::SetAccessibleName(std::u16string_view name) {
    native_->accessibleName = name;
}

void Window::SetAccessibleDescription(std::u16string_view description) {
    native_->accessibleDescription = description;
}

Rect Window::GetClientRect() const {
    return {0, 0, native_->area.right - native_->area.left,
            native_->area.bottom - native_->area.top};
}

bool Window::IsIconic() const {
    return native_->iconic;
}

} // namespace platform
