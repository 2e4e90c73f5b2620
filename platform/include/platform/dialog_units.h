#pragma once

#include "platform/dialog_template.h"
#include "platform/geometry.h"

// Dialog units as the window system's dialog manager turns them into pixels,
// for the backends that lay dialogs out themselves.
namespace platform {

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// Base units from the dialog font: the average width of the 52 Latin letters
// (their whole advance is `lettersWidth`), rounded, and the font's height.
constexpr BaseUnits BaseUnitsFrom(int lettersWidth, int height) {
    return {(lettersWidth / 26 + 1) / 2, height};
}

// Position and size converted each on its own, rounded to nearest with
// halves away from zero; the rectangle's right and bottom follow from them.
Rect MapDialogRect(const DialogUnitRect& rect, const BaseUnits& base);

} // namespace platform
