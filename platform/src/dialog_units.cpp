#include "platform/dialog_units.h"

namespace platform {
namespace {

// a * b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

Rect MapDialogRect(const DialogUnitRect& rect, const BaseUnits& base) {
    const int x = MulDiv(rect.x, base.x, 4);
    const int y = MulDiv(rect.y, base.y, 8);
    return {x, y, x + MulDiv(rect.width, base.x, 4), y + MulDiv(rect.height, base.y, 8)};
}

} // namespace platform
