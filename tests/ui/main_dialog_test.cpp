#include "dialog_fixture.h"
#include "field_texts.h"
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

// The text the main dialog's template gives the control with the id.
QString TemplateText(int id) {
    for (const platform::ControlTemplate& item : res::kMainDialog.controls) {
        if (item.id == id) {
            return QString::fromUtf16(item.text);
        }
    }
    return {};
}

class StartState : public DialogTest {};

TEST_F(StartState, ShowsTheDefaultDateTemplateLabelsAndNoMarkers) {
    EXPECT_EQ(Dlg().windowTitle(), "vidad");
    EXPECT_EQ(Edit(IDC_EDIT_YEAR).text(), "1983");
    EXPECT_EQ(Edit(IDC_EDIT_MONTH).text(), "12");
    EXPECT_EQ(Edit(IDC_EDIT_DAY).text(), "30");
    for (int id : {IDC_LABEL_INTELLECT, IDC_LABEL_EMOTION, IDC_LABEL_PHYSICAL}) {
        EXPECT_EQ(LabelText(id), TemplateText(id)) << id;
    }
    for (int id : {IDC_CURVE_INTELLECT, IDC_CURVE_EMOTION, IDC_CURVE_PHYSICAL}) {
        EXPECT_TRUE(MarkerColumns(id).isEmpty()) << id;
    }
    EXPECT_FALSE(Item(platform::kIdCancel)->isVisible());
    EXPECT_FALSE(Dlg().windowIcon().isNull());
}

TEST_F(StartState, IsAFixedSizeNormalWindowWithMinimizeButNoMaximize) {
    const Qt::WindowFlags flags = Dlg().windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Dlg().minimumSize(), Dlg().maximumSize());
    EXPECT_EQ(Dlg().size(), QSize(360, 237));
}

TEST_F(StartState, GivesOkTheFocusAndTabsToYearMonthDay) {
    Dlg().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg()));
    QWidget* expected[] = {Item(kIdOk), &Edit(IDC_EDIT_YEAR), &Edit(IDC_EDIT_MONTH),
                           &Edit(IDC_EDIT_DAY), Item(kIdOk)};
    for (QWidget* widget : expected) {
        EXPECT_EQ(QApplication::focusWidget(), widget);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
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

TEST_F(PressingOk, ShowsCyclesAndMarkersForTheDefaultDate) {
    PressEnter();
    ExpectLabels({"智力周期（32天）第490个周期", "情绪周期（28天）第560个周期",
                  "体力周期（23天）第681个周期"});
    // Days 2, 2 and 19 of controls 210, 209 and 209 pixels wide.
    ExpectMarkers(13, 14, 172);
    EXPECT_TRUE(Dlg().isVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PressingOk, WorksFromTheButtonAndFromEnterInAField) {
    qobject_cast<QPushButton*>(Item(kIdOk))->click();
    EXPECT_EQ(LabelText(IDC_LABEL_EMOTION), "情绪周期（28天）第560个周期");
    Type(IDC_EDIT_YEAR, "2000");
    QTest::keyClick(&Edit(IDC_EDIT_DAY), Qt::Key_Enter);
    EXPECT_EQ(LabelText(IDC_LABEL_EMOTION), "情绪周期（28天）第338个周期");
    EXPECT_TRUE(Dlg().isVisible());
}

TEST_F(PressingOk, TakesSpacesAroundAndBetweenDigitsAndLeavesThemInTheField) {
    Type(IDC_EDIT_YEAR, " 19 83 ");
    PressEnter();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(LabelText(IDC_LABEL_INTELLECT), "智力周期（32天）第490个周期");
    EXPECT_EQ(Edit(IDC_EDIT_YEAR).text(), " 19 83 ");
}

TEST_F(PressingOk, ShowsOnlyTheSecondOfTwoResults) {
    PressEnter();
    TypeDate("1990", "3", "15");
    SetToday(2024, 7, 4);
    PressEnter();
    ExpectLabels({"智力周期（32天）第391个周期", "情绪周期（28天）第447个周期",
                  "体力周期（23天）第544个周期"});
    // Days 17, 13 and 17.
    ExpectMarkers(111, 97, 154);
}

TEST_F(PressingOk, ReadsTheClockAnewOnEveryPress) {
    PressEnter();
    SetToday(2027, 1, 5);
    PressEnter();
    ExpectLabels({"智力周期（32天）第491个周期", "情绪周期（28天）第561个周期",
                  "体力周期（23天）第683个周期"});
    EXPECT_EQ(MarkerColumns(IDC_CURVE_INTELLECT), QList<int>{0});
}

TEST_F(PressingOk, CountsABirthDateAfterTodayBelowZeroWithoutMarkers) {
    TypeDate("2027", "1", "1");
    PressEnter();
    ExpectLabels(
        {"智力周期（32天）第0个周期", "情绪周期（28天）第0个周期", "体力周期（23天）第-1个周期"});
    for (int id : {IDC_CURVE_INTELLECT, IDC_CURVE_EMOTION, IDC_CURVE_PHYSICAL}) {
        EXPECT_TRUE(MarkerColumns(id).isEmpty()) << id;
    }
}

struct BadInput {
    const char* what;
    int field;
    QString text;
};

void PrintTo(const BadInput& b, std::ostream* out) {
    *out << b.what;
}

const BadInput kBadInputs[] = {
    {"empty year", IDC_EDIT_YEAR, ""},
    {"spaces only in the day", IDC_EDIT_DAY, "   "},
    {"digit then letter in the month", IDC_EDIT_MONTH, "1a"},
    {"minus sign", IDC_EDIT_DAY, "-5"},
    {"year above 2147483647", IDC_EDIT_YEAR, "2147483648"},
    {"month 0", IDC_EDIT_MONTH, "0"},
    {"month 14", IDC_EDIT_MONTH, "14"},
    {"year too far back for the day count", IDC_EDIT_YEAR, "2147483647"},
};

class InputErrors : public DialogTest, public testing::WithParamInterface<BadInput> {};

TEST_P(InputErrors, ShowTheErrorBoxAndChangeNothing) {
    PressEnter();
    const QList<int> markers = MarkerColumns(IDC_CURVE_PHYSICAL);
    Type(IDC_EDIT_YEAR, "1990");
    Type(GetParam().field, GetParam().text);
    PressEnter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "输入有误，请重新输入！");
    // The program's name, "qob" when run as itself.
    EXPECT_EQ(boxes[0].title, QApplication::applicationName());
    EXPECT_EQ(boxes[0].buttons, QStringList{"确定"});
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].owner, &Dlg());
    EXPECT_EQ(LabelText(IDC_LABEL_PHYSICAL), "体力周期（23天）第681个周期");
    EXPECT_EQ(MarkerColumns(IDC_CURVE_PHYSICAL), markers);
    EXPECT_EQ(Edit(GetParam().field).text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Fields, InputErrors, testing::ValuesIn(kBadInputs));

TEST_F(PressingOk, CountsBirthMonthThirteenThroughDecember) {
    TypeDate("1999", "13", "5");
    SetToday(2024, 11, 20);
    PressEnter();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(LabelText(IDC_LABEL_INTELLECT), "智力周期（32天）第283个周期");
}

// Each text of the table every build reads: after the year 2000, a text
// taken shows the labels of 1983-12-30, a text refused the error box and the
// labels of 2000.
class TableText : public DialogTest, public testing::WithParamInterface<FieldText> {};

TEST_P(TableText, GetsTheOneVerdictOfEveryBuild) {
    TypeDate("2000", "12", "30");
    PressEnter();
    const QStringList before = {LabelText(IDC_LABEL_INTELLECT), LabelText(IDC_LABEL_EMOTION),
                                LabelText(IDC_LABEL_PHYSICAL)};
    Type(IDC_EDIT_YEAR, "1983");
    // Copied unit by unit: a conversion from UTF-16 would take a leading
    // byte order mark for its own.
    const std::u16string& text = GetParam().text;
    Type(GetParam().field,
         QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())));
    PressEnter();
    EXPECT_EQ(boxes.size(), GetParam().takes ? 0u : 1u);
    if (GetParam().takes) {
        ExpectLabels({"智力周期（32天）第490个周期", "情绪周期（28天）第560个周期",
                      "体力周期（23天）第681个周期"});
    } else {
        ExpectLabels(before);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, TableText, testing::ValuesIn(FieldTexts()));

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
