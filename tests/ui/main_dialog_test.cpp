#include "dialog_fixture.h"
#include "pixels.h"
#include "platform/qt/dialog_units.h"
#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/biorhythm_dlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

using platform::kIdOk;

class StartState : public DialogTest {};

TEST_F(StartState, IsAFixedSizeNormalWindowWithMinimizeButNoMaximize) {
    const Qt::WindowFlags flags = Dlg().windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Dlg().minimumSize(), Dlg().maximumSize());
    EXPECT_EQ(Dlg().size(), QSize(360, 237));
    EXPECT_FALSE(Dlg().windowIcon().isNull());
}

// The two lines the dialog draws itself, above every control, compared with
// the same strings drawn by a plain painter in the default font, without a
// background of their own.
TEST_F(StartState, PaintsTheHeaderLinesAtTheTop) {
    const QRect strip(0, 0, Dlg().width(), 52);
    QImage expected(strip.size(), QImage::Format_RGB32);
    expected.fill(Dlg().palette().color(QPalette::Window));
    {
        QPainter painter(&expected);
        painter.setFont(QApplication::font());
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(QApplication::font()).ascent();
        painter.drawText(0, ascent, "vidad程序可以帮你了解你的生理节律处于什么状态");
        painter.drawText(0, 20 + ascent, "有助于你安排工作学习休息。");
    }
    EXPECT_EQ(test::OnScreen(Dlg()).copy(strip), expected);
}

class PressingOk : public DialogTest {};

TEST_F(PressingOk, WorksFromTheButtonAndFromEnterInAField) {
    qobject_cast<QPushButton*>(Item(kIdOk))->click();
    EXPECT_EQ(LabelText(IDC_LABEL_EMOTION), "情绪周期（28天）第560个周期");
    Type(IDC_EDIT_YEAR, "2000");
    QTest::keyClick(&Edit(IDC_EDIT_DAY), Qt::Key_Enter);
    EXPECT_EQ(LabelText(IDC_LABEL_EMOTION), "情绪周期（28天）第338个周期");
    EXPECT_TRUE(Dlg().isVisible());
}

TEST_F(PressingOk, RefusesAFieldInABoxWithOneOkButtonAndNoIcon) {
    Type(IDC_EDIT_MONTH, "1a");
    PressEnter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].buttons, QStringList{"确定"});
    EXPECT_FALSE(boxes[0].hasIcon);
}

TEST_F(PressingOk, TakesSpacesAroundAndBetweenDigitsAndLeavesThemInTheField) {
    Type(IDC_EDIT_YEAR, " 19 83 ");
    PressEnter();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(LabelText(IDC_LABEL_INTELLECT), "智力周期（32天）第490个周期");
    EXPECT_EQ(Edit(IDC_EDIT_YEAR).text(), " 19 83 ");
}

// The window system paints a restored window anew, so the markers an
// earlier result left beside the current ones go.
TEST_F(PressingOk, LeavesOnlyTheCurrentMarkersOnceRestoredFromMinimized) {
    PressEnter();
    SetToday(2027, 1, 5);
    PressEnter();
    ASSERT_EQ(MarkerColumns(IDC_CURVE_INTELLECT), (QList<int>{0, 13}));
    Dlg().showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Dlg().isMinimized(); }, 2000));
    Dlg().showNormal();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return MarkerColumns(IDC_CURVE_INTELLECT) == QList<int>{0}; }, 2000));
}

// A minimized window that paints itself centres its icon, half a spare pixel
// rounding up. A window narrower than the icon starts it left of 0, except
// one or two pixels narrower, where the division, truncating toward zero,
// still gives 0.
TEST(MinimizedIcon, StandsInTheMiddleOfTheWindow) {
    const std::pair<std::int32_t, std::int32_t> kExtentsAndOffsets[] = {
        {36, 2}, {33, 1}, {32, 0}, {31, 0}, {30, 0}, {29, -1}, {0, -15}};
    for (const auto& [extent, offset] : kExtentsAndOffsets) {
        EXPECT_EQ(CentredIconOffset(extent, 32), offset) << "extent " << extent;
    }
}

} // namespace
