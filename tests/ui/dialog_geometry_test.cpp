#include "dialog_fixture.h"
#include "platform/qt/dialog_units.h"
#include "platform/window_styles.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

#include <QFontInfo>
#include <ostream>

namespace {

// a * b / c to nearest, halves away from zero, as the window system's
// dialog manager rounds each number of a template on its own.
int MulDiv(int a, int b, int c) {
    const double exact = static_cast<double>(a) * b / c;
    return static_cast<int>(exact < 0 ? exact - 0.5 : exact + 0.5);
}

struct Placed {
    const char* what;
    bool about;       // in the About box, else in the main dialog
    int id;           // the control's id, or -1 to find it by its text
    const char* text; // for id -1; empty for the About box's icon
    int x, y, cx, cy; // dialog units
};

void PrintTo(const Placed& p, std::ostream* out) {
    *out << p.what;
}

const Placed kPlaced[] = {
    {"OK button", false, platform::kIdOk, "", 183, 32, 50, 18},
    {"Cancel button", false, platform::kIdCancel, "", 183, 60, 50, 16},
    {"intellect curve", false, IDC_CURVE_INTELLECT, "", 93, 58, 140, 25},
    {"emotion curve", false, IDC_CURVE_EMOTION, "", 94, 86, 139, 25},
    {"physical curve", false, IDC_CURVE_PHYSICAL, "", 94, 115, 139, 24},
    {"intellect label", false, IDC_LABEL_INTELLECT, "", 7, 57, 66, 17},
    {"emotion label", false, IDC_LABEL_EMOTION, "", 7, 87, 64, 17},
    {"physical label", false, IDC_LABEL_PHYSICAL, "", 7, 117, 71, 22},
    {"prompt", false, -1, "请输入你的出生日期(阳历)", 10, 33, 54, 18},
    {"day unit", false, -1, "日", 173, 36, 8, 8},
    {"month unit", false, -1, "月", 141, 36, 10, 9},
    {"year unit", false, -1, "年", 111, 36, 8, 9},
    {"year field", false, IDC_EDIT_YEAR, "", 77, 34, 32, 13},
    {"month field", false, IDC_EDIT_MONTH, "", 121, 34, 18, 12},
    {"day field", false, IDC_EDIT_DAY, "", 151, 33, 21, 13},
    {"About title", true, -1, "vidad 1.0 版", 40, 10, 119, 8},
    {"About third line", true, -1, "版权所有 (C) 2026", 40, 25, 119, 8},
    {"About OK button", true, platform::kIdOk, "", 178, 7, 50, 16},
};

class Geometry : public DialogTest, public testing::WithParamInterface<Placed> {
protected:
    static QWidget* Find(platform::Dialog& dialog, const Placed& p) {
        if (p.id != -1) {
            return platform::qt::GetDlgItem(dialog, p.id);
        }
        for (QLabel* label : platform::qt::DialogOf(dialog).findChildren<QLabel*>()) {
            if (label->text() == QString::fromUtf8(p.text)) {
                return label;
            }
        }
        return nullptr;
    }
};

TEST_P(Geometry, ConvertsEachTemplateNumberOnItsOwn) {
    const Placed& p = GetParam();
    CAboutDlg about;
    about.Create();
    platform::Dialog& dialog = p.about ? static_cast<platform::Dialog&>(about) : *dlg;
    const platform::BaseUnits base = platform::BaseUnitsOf(platform::qt::DialogOf(dialog).font());
    QWidget* control = Find(dialog, p);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(MulDiv(p.x, base.x, 4), MulDiv(p.y, base.y, 8),
                                         MulDiv(p.cx, base.x, 4), MulDiv(p.cy, base.y, 8)));
}

INSTANTIATE_TEST_SUITE_P(Controls, Geometry, testing::ValuesIn(kPlaced));

TEST_F(DialogTest, SizesBothDialogsAndTheAboutIconByTheSameRule) {
    const platform::BaseUnits base = platform::BaseUnitsOf(Dlg().font());
    EXPECT_EQ(base.x, 6);
    EXPECT_EQ(base.y, 13);
    EXPECT_EQ(QFontInfo(Dlg().font()).family(), platform::kDialogFontFamily);
    EXPECT_EQ(Dlg().size(), QSize(MulDiv(240, 6, 4), MulDiv(146, 13, 8)));

    CAboutDlg aboutDlg;
    aboutDlg.Create();
    const QDialog& about = platform::qt::DialogOf(aboutDlg);
    const platform::BaseUnits aboutBase = platform::BaseUnitsOf(about.font());
    EXPECT_EQ(QFontInfo(about.font()).family(), platform::kDialogFontFamily);
    EXPECT_EQ(about.size(), QSize(MulDiv(235, aboutBase.x, 4), MulDiv(55, aboutBase.y, 8)));
    QLabel* icon = nullptr;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            icon = label;
        }
    }
    ASSERT_NE(icon, nullptr);
    // An icon shows at its own size from the rectangle's corner.
    EXPECT_EQ(icon->geometry(),
              QRect(MulDiv(15, aboutBase.x, 4), MulDiv(16, aboutBase.y, 8), 32, 32));
}

} // namespace
