#include "platform/window.h"

#include "accessibility.h"
#include "native.h"
#include "platform/win32/access.h"
#include "text.h"

namespace platform {

Window::Window(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Window::~Window() = default;

void Window::SetWindowText(std::u16string_view text) {
    SetWindowTextW(native_->hwnd, ToWide(text).c_str());
}

void Window::SetAccessibleName(std::u16string_view name) {
    Annotate(native_->hwnd, Annotation::Name, ToWide(name));
}

void Window::SetAccessibleDescription(std::u16string_view description) {
    Annotate(native_->hwnd, Annotation::Description, ToWide(description));
}

Rect Window::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(native_->hwnd, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool Window::IsIconic() const {
    return ::IsIconic(native_->hwnd);
}

HWND win32::HandleOf(const Window& window) {
    return window.GetNative().hwnd;
}

} // namespace platform
