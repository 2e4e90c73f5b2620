#pragma once

#include "platform/color.h"

#include <QColor>

namespace platform {

inline QColor ToQColor(ColorRef color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace platform
