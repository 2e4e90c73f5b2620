#pragma once

#include <QString>
#include <string>

class QLineEdit;
class QWidget;

namespace platform {

// Text in the program's 8-bit code page, GBK, as an edit control would hand
// it over. A character GBK cannot hold becomes a byte no parse accepts.
std::string ToGbk(const QString& text);

// An edit's text as the program reads it; a label's text, or otherwise the
// window's title, as it sets them.
std::string GetWindowText(const QLineEdit& edit);
void SetWindowText(QWidget& widget, const QString& text);

} // namespace platform
