#include "platform/qt/dialog_units.h"

#include "platform/qt/text.h"

#include <QFontMetrics>

namespace platform {
namespace {

constexpr std::u16string_view kShellDialogFont = u"MS Shell Dlg";

} // namespace

QFont DialogFont(const DialogTemplate& dialog) {
    const bool shell = dialog.fontName == kShellDialogFont;
    QFont font(shell ? QString(kDialogFontFamily) : ToQString(dialog.fontName));
    font.setPointSize(dialog.pointSize);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return BaseUnitsFrom(metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                         metrics.height());
}

QRect MapDialogQRect(const DialogUnitRect& rect, const BaseUnits& base) {
    const Rect r = MapDialogRect(rect, base);
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace platform
