#pragma once

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"

#include <QFont>
#include <QRect>

namespace platform {

// The family of the dialogs' text on every system.
inline constexpr char kDialogFontFamily[] = "WenQuanYi Micro Hei";

// The font a template's shell dialog font stands for, at the template's size.
// One family on every system keeps the dialog's geometry whatever the locale.
QFont DialogFont(const DialogTemplate& dialog);

// Base units as the window system derives them from a dialog font.
BaseUnits BaseUnitsOf(const QFont& font);

// The dialog-unit rectangle in pixels, as Qt's rectangle.
QRect MapDialogQRect(const DialogUnitRect& rect, const BaseUnits& base);

} // namespace platform
