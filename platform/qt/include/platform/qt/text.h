#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// The program's texts are UTF-16, as the window system's are; this is where
// they become Qt's strings.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Text in the program's 8-bit code page, GBK, as an edit control would hand
// it over. A character GBK cannot hold becomes a byte no parse accepts.
std::string ToGbk(const QString& text);

} // namespace platform
