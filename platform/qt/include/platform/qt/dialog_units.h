#pragma once

#include "platform/dialog_template.h"

#include <QFont>
#include <QRect>

namespace platform {

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The family of the dialogs' text on every system.
inline constexpr char kDialogFontFamily[] = "WenQuanYi Micro Hei";

// The font a template's shell dialog font stands for, at the template's size.
// One family on every system keeps the dialog's geometry whatever the locale.
QFont DialogFont(const DialogTemplate& dialog);

// Base units as the window system derives them from a dialog font: the
// average width of the 52 Latin letters, rounded, and the font's height.
BaseUnits BaseUnitsOf(const QFont& font);

// Position and size converted each on its own, rounded to nearest with
// halves away from zero, as the window system's dialog manager does.
QRect MapDialogRect(const DialogUnitRect& rect, const BaseUnits& base);

} // namespace platform
