#include "platform/qt/dialog_units.h"

#include "platform/qt/text.h"

#include <QFontMetrics>

namespace platform {
namespace {

constexpr std::u16string_view kShellDialogFont = u"MS Shell Dlg";

// a * b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

QFont DialogFont(const DialogTemplate& dialog) {
    const bool shell = dialog.fontName == kShellDialogFont;
    QFont font(shell ? QString(kDialogFontFamily) : ToQString(dialog.fontName));
    font.setPointSize(dialog.pointSize);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int w52 = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(w52 / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DialogUnitRect& rect, const BaseUnits& base) {
    return QRect(MulDiv(rect.x, base.x, 4), MulDiv(rect.y, base.y, 8),
                 MulDiv(rect.width, base.x, 4), MulDiv(rect.height, base.y, 8));
}

} // namespace platform
