#pragma once

#include <QString>
#include <string_view>

namespace platform {

// The program's texts are UTF-16, as the window system's are; this is where
// they become Qt's strings.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace platform
