#include "platform/window.h"

#include "native.h"
#include "platform/qt/access.h"
#include "platform/qt/text.h"

#include <QLabel>
#include <QLineEdit>

namespace platform {

Window::Window(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Window::~Window() = default;

void Window::SetWindowText(std::u16string_view text) {
    QWidget& widget = *native_->widget;
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setText(ToQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(ToQString(text));
    } else {
        widget.setWindowTitle(ToQString(text));
    }
}

void Window::SetAccessibleName(std::u16string_view name) {
    native_->widget->setAccessibleName(ToQString(name));
}

void Window::SetAccessibleDescription(std::u16string_view description) {
    native_->widget->setAccessibleDescription(ToQString(description));
}

Rect Window::GetClientRect() const {
    const QWidget& widget = *native_->widget;
    return {0, 0, widget.width(), widget.height()};
}

bool Window::IsIconic() const {
    return native_->widget->isMinimized();
}

QWidget& qt::WidgetOf(const Window& window) {
    return *window.GetNative().widget;
}

} // namespace platform
