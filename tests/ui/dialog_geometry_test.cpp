#include "dialog_fixture.h"
#include "platform/qt/dialog_units.h"
#include "res/dialog_templates.h"
#include "ui/about_dlg.h"

#include <QFontInfo>

namespace {

// a * b / c to nearest, halves away from zero, as the window system's
// dialog manager rounds each number of a template on its own.
int MulDiv(int a, int b, int c) {
    const double exact = static_cast<double>(a) * b / c;
    return static_cast<int>(exact < 0 ? exact - 0.5 : exact + 0.5);
}

// The widget built for a template item: by its id, or else the label that
// shows its text or, for an icon, a picture.
QWidget* Built(platform::Dialog& dialog, const platform::ControlTemplate& item) {
    if (item.id != -1) {
        return platform::qt::GetDlgItem(dialog, item.id);
    }
    for (QLabel* label : platform::qt::DialogOf(dialog).findChildren<QLabel*>()) {
        const bool icon = !label->pixmap().isNull();
        if (item.iconId != 0 ? icon : label->text() == QString::fromUtf16(item.text)) {
            return label;
        }
    }
    return nullptr;
}

// The dialog and each of its controls in pixels, every number converted on its
// own with the base units of the dialog's font; an icon shows at its own size
// from the rectangle's corner.
void ExpectBuiltFrom(platform::Dialog& dialog, const platform::DialogTemplate& layout) {
    const QDialog& window = platform::qt::DialogOf(dialog);
    EXPECT_EQ(QFontInfo(window.font()).family(), platform::kDialogFontFamily);
    const platform::BaseUnits base = platform::BaseUnitsOf(window.font());
    EXPECT_EQ(window.size(),
              QSize(MulDiv(layout.width, base.x, 4), MulDiv(layout.height, base.y, 8)));
    for (const platform::ControlTemplate& item : layout.controls) {
        const QString what =
            QString("control %1 \"%2\"").arg(item.id).arg(QString::fromUtf16(item.text));
        QWidget* control = Built(dialog, item);
        ASSERT_NE(control, nullptr) << what.toStdString();
        const platform::DialogUnitRect& r = item.rect;
        const QPoint corner(MulDiv(r.x, base.x, 4), MulDiv(r.y, base.y, 8));
        const QSize size = item.iconId != 0
                               ? QSize(32, 32)
                               : QSize(MulDiv(r.width, base.x, 4), MulDiv(r.height, base.y, 8));
        EXPECT_EQ(control->geometry(), QRect(corner, size)) << what.toStdString();
    }
}

TEST_F(DialogTest, BuildsBothDialogsFromTheirTemplatesInDialogUnits) {
    const platform::BaseUnits base = platform::BaseUnitsOf(Dlg().font());
    EXPECT_EQ(base.x, 6);
    EXPECT_EQ(base.y, 13);
    ExpectBuiltFrom(*dlg, res::kMainDialog);
    CAboutDlg about;
    about.Create();
    ExpectBuiltFrom(about, res::kAboutBox);
}

} // namespace
