#include "platform/message_box.h"

#include "platform/qt/access.h"
#include "platform/qt/modal_run.h"
#include "platform/qt/text.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

int MessageBox(Window& owner, std::u16string_view text) {
    QMessageBox box(&qt::WidgetOf(owner));
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(ToQString(text));
    box.setTextFormat(Qt::PlainText);
    // One button, named the same whatever the system's language.
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    return RunModal(box);
}

} // namespace platform
