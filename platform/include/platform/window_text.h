#pragma once

#include <QString>
#include <string>

class QWidget;

namespace platform {

// Text in the program's 8-bit code page, GBK, as an edit control would hand
// it over. A character GBK cannot hold becomes a byte no parse accepts.
std::string ToGbk(const QString& text);

// A window's text: an edit's contents, a label's text (set only), otherwise
// the window's title.
std::string GetWindowText(const QWidget& widget);
void SetWindowText(QWidget& widget, const QString& text);

} // namespace platform
