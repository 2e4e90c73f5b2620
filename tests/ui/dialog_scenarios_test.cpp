#include "dialog_driver.h"
#include "field_texts.h"
#include "platform/resources.h"
#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/string_table.h"

#include <gtest/gtest.h>
#include <ostream>

// What a user does with the main dialog and sees of it, the same on every
// backend that has a driver.
namespace {

using platform::kIdCancel;
using platform::kIdOk;
using Columns = std::vector<int>;
using Texts = std::vector<std::u16string>;

const int kLabels[] = {IDC_LABEL_INTELLECT, IDC_LABEL_EMOTION, IDC_LABEL_PHYSICAL};
const int kCurves[] = {IDC_CURVE_INTELLECT, IDC_CURVE_EMOTION, IDC_CURVE_PHYSICAL};

const Texts kLabelsOf1983 = {u"智力周期（32天）第490个周期", u"情绪周期（28天）第560个周期",
                             u"体力周期（23天）第681个周期"};

// The text the main dialog's template gives the control with the id.
std::u16string TemplateText(int id) {
    for (const platform::ControlTemplate& item : res::kMainDialog.controls) {
        if (item.id == id) {
            return item.text;
        }
    }
    return {};
}

class Scenario : public testing::Test {
protected:
    void SetUp() override {
        platform::SetStringTable(res::kStringTable);
        driver->Start();
    }
    void TearDown() override { driver->Stop(); }

    void SetToday(int year, int month, int day) { driver->today = {year, month, day}; }

    void TypeDate(const std::u16string& year, const std::u16string& month,
                  const std::u16string& day) {
        driver->Type(IDC_EDIT_YEAR, year);
        driver->Type(IDC_EDIT_MONTH, month);
        driver->Type(IDC_EDIT_DAY, day);
    }

    Texts Labels() {
        return {driver->Text(kLabels[0]), driver->Text(kLabels[1]), driver->Text(kLabels[2])};
    }

    std::vector<Columns> Markers() {
        return {driver->MarkerColumns(kCurves[0]), driver->MarkerColumns(kCurves[1]),
                driver->MarkerColumns(kCurves[2])};
    }

    void ExposeCurves() {
        for (int id : kCurves) {
            driver->Expose(id);
        }
    }

    std::unique_ptr<DialogDriver> driver = NewDialogDriver();
};

TEST_F(Scenario, StartsWithTheDefaultDateTemplateLabelsAndNoMarkers) {
    EXPECT_EQ(driver->Title(), u"vidad");
    EXPECT_EQ(driver->Text(IDC_EDIT_YEAR), u"1983");
    EXPECT_EQ(driver->Text(IDC_EDIT_MONTH), u"12");
    EXPECT_EQ(driver->Text(IDC_EDIT_DAY), u"30");
    for (int id : kLabels) {
        EXPECT_EQ(driver->Text(id), TemplateText(id)) << id;
    }
    EXPECT_EQ(Markers(), std::vector<Columns>(3));
    EXPECT_FALSE(driver->IsVisible(kIdCancel));
}

TEST_F(Scenario, GivesOkTheFocusAndTabsToYearMonthDay) {
    for (int id : {kIdOk, IDC_EDIT_YEAR, IDC_EDIT_MONTH, IDC_EDIT_DAY, kIdOk}) {
        EXPECT_EQ(driver->FocusedId(), id);
        driver->PressTab();
    }
}

TEST_F(Scenario, PressingOkShowsCyclesAndMarkersForTheDefaultDate) {
    driver->PressEnter();
    EXPECT_EQ(Labels(), kLabelsOf1983);
    // Days 2, 2 and 19 of controls 210, 209 and 209 pixels wide.
    EXPECT_EQ(Markers(), (std::vector<Columns>{{13}, {14}, {172}}));
    EXPECT_TRUE(driver->Boxes().empty());
}

// A marker is drawn at once over what the curve shows, so the first result's
// stays beside the second's until the curve is painted anew.
TEST_F(Scenario, ShowsTheSecondOfTwoResultsAndTheFirstMarkersUntilARepaint) {
    driver->Click(kIdOk);
    TypeDate(u"1990", u"3", u"15");
    SetToday(2024, 7, 4);
    driver->PressEnter();
    EXPECT_EQ(Labels(), (Texts{u"智力周期（32天）第391个周期", u"情绪周期（28天）第447个周期",
                               u"体力周期（23天）第544个周期"}));
    // Days 17, 13 and 17 beside 2, 2 and 19.
    EXPECT_EQ(Markers(), (std::vector<Columns>{{13, 111}, {14, 97}, {154, 172}}));
    ExposeCurves();
    EXPECT_EQ(Markers(), (std::vector<Columns>{{111}, {97}, {154}}));
}

TEST_F(Scenario, ReadsTheClockAnewOnEveryPress) {
    driver->PressEnter();
    SetToday(2027, 1, 5);
    driver->PressEnter();
    EXPECT_EQ(Labels(), (Texts{u"智力周期（32天）第491个周期", u"情绪周期（28天）第561个周期",
                               u"体力周期（23天）第683个周期"}));
    ExposeCurves();
    EXPECT_EQ(driver->MarkerColumns(IDC_CURVE_INTELLECT), Columns{0});
}

TEST_F(Scenario, CountsABirthDateAfterTodayBelowZeroWithoutMarkers) {
    TypeDate(u"2027", u"1", u"1");
    driver->PressEnter();
    EXPECT_EQ(Labels(), (Texts{u"智力周期（32天）第0个周期", u"情绪周期（28天）第0个周期",
                               u"体力周期（23天）第-1个周期"}));
    EXPECT_EQ(Markers(), std::vector<Columns>(3));
}

TEST_F(Scenario, CountsBirthMonthThirteenThroughDecember) {
    TypeDate(u"1999", u"13", u"5");
    SetToday(2024, 11, 20);
    driver->PressEnter();
    EXPECT_TRUE(driver->Boxes().empty());
    EXPECT_EQ(driver->Text(IDC_LABEL_INTELLECT), u"智力周期（32天）第283个周期");
}

struct BadInput {
    const char* what;
    int field;
    std::u16string text;
};

void PrintTo(const BadInput& b, std::ostream* out) {
    *out << b.what;
}

const BadInput kBadInputs[] = {
    {"empty year", IDC_EDIT_YEAR, u""},
    {"spaces only in the day", IDC_EDIT_DAY, u"   "},
    {"digit then letter in the month", IDC_EDIT_MONTH, u"1a"},
    {"minus sign", IDC_EDIT_DAY, u"-5"},
    {"year above 2147483647", IDC_EDIT_YEAR, u"2147483648"},
    {"month 0", IDC_EDIT_MONTH, u"0"},
    {"month 14", IDC_EDIT_MONTH, u"14"},
    {"year too far back for the day count", IDC_EDIT_YEAR, u"2147483647"},
};

class InputErrors : public Scenario, public testing::WithParamInterface<BadInput> {};

TEST_P(InputErrors, ShowTheErrorBoxAndChangeNothing) {
    driver->PressEnter();
    const Columns markers = driver->MarkerColumns(IDC_CURVE_PHYSICAL);
    driver->Type(IDC_EDIT_YEAR, u"1990");
    driver->Type(GetParam().field, GetParam().text);
    driver->PressEnter();
    const std::vector<ShownBox> boxes = driver->Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"输入有误，请重新输入！");
    // The program's name, "qob" when run as itself.
    EXPECT_EQ(boxes[0].title, driver->ApplicationName());
    EXPECT_TRUE(boxes[0].ownedByMainDialog);
    EXPECT_EQ(driver->Text(IDC_LABEL_PHYSICAL), u"体力周期（23天）第681个周期");
    EXPECT_EQ(driver->MarkerColumns(IDC_CURVE_PHYSICAL), markers);
    EXPECT_EQ(driver->Text(GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Fields, InputErrors, testing::ValuesIn(kBadInputs));

// Each text of the table every build reads: after the year 2000, a text
// taken shows the labels of 1983-12-30, a text refused the error box and the
// labels of 2000.
class TableText : public Scenario, public testing::WithParamInterface<FieldText> {};

TEST_P(TableText, GetsTheOneVerdictOfEveryBuild) {
    TypeDate(u"2000", u"12", u"30");
    driver->PressEnter();
    const Texts before = Labels();
    driver->Type(IDC_EDIT_YEAR, u"1983");
    driver->Type(GetParam().field, GetParam().text);
    driver->PressEnter();
    EXPECT_EQ(driver->Boxes().size(), GetParam().takes ? 0u : 1u);
    EXPECT_EQ(Labels(), GetParam().takes ? kLabelsOf1983 : before);
}

INSTANTIATE_TEST_SUITE_P(Fields, TableText, testing::ValuesIn(FieldTexts()));

TEST_F(Scenario, WindowMenuOffersMinimizeCloseAndAbout) {
    EXPECT_EQ(driver->OpenWindowMenu(),
              (Texts{u"最小化(&N)", u"关闭(&C)", u"-", u"关于vidad(&A)..."}));
}

TEST_F(Scenario, WindowMenuLeavesOutSeparatorAndAboutWithoutTheirString) {
    driver->Stop();
    platform::SetStringTable({});
    driver->Start();
    EXPECT_EQ(driver->OpenWindowMenu(), (Texts{u"最小化(&N)", u"关闭(&C)"}));
}

TEST_F(Scenario, WindowMenuMinimizesTheDialog) {
    driver->OpenWindowMenu();
    driver->Choose(platform::sc::kMinimize);
    EXPECT_TRUE(driver->IsMinimized());
}

TEST_F(Scenario, AboutOpensTheAboutBoxEachTimeAndLeavesTheDialogAsItWas) {
    driver->PressEnter();
    for (int i = 0; i < 2; ++i) {
        driver->OpenWindowMenu();
        driver->Choose(IDM_ABOUTBOX);
    }
    const std::vector<ShownBox> boxes = driver->Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, res::kAboutBox.caption);
    EXPECT_EQ(boxes[1].title, boxes[0].title);
    EXPECT_EQ(Labels(), kLabelsOf1983);
    EXPECT_EQ(Markers(), (std::vector<Columns>{{13}, {14}, {172}}));
}

struct Ending {
    const char* what;
    std::function<void(DialogDriver&)> end;
};

void PrintTo(const Ending& e, std::ostream* out) {
    *out << e.what;
}

const Ending kEndings[] = {
    {"Escape", [](DialogDriver& d) { d.PressEscape(); }},
    {"close button", [](DialogDriver& d) { d.PressCloseButton(); }},
    {"Close in the menu",
     [](DialogDriver& d) {
         d.OpenWindowMenu();
         d.Choose(platform::sc::kClose);
     }},
};

class EndingTheRun : public Scenario, public testing::WithParamInterface<Ending> {};

TEST_P(EndingTheRun, EndsTheModalRunAtOnce) {
    EXPECT_TRUE(driver->RunModally(GetParam().end));
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTheRun, testing::ValuesIn(kEndings));

} // namespace
