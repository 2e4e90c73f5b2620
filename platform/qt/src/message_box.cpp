#include "platform/message_box.h"

#include "platform/modal_run.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

int MessageBox(QWidget* owner, const QString& text) {
    QMessageBox box(owner);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    // One button, named the same whatever the system's language.
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    return RunModal(box);
}

} // namespace platform
