#include "platform/window_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringEncoder>

namespace platform {

std::string ToGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string GetWindowText(const QLineEdit& edit) {
    return ToGbk(edit.text());
}

void SetWindowText(QWidget& widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(text);
    } else {
        widget.setWindowTitle(text);
    }
}

} // namespace platform
