#include "dialog_fixture.h"
#include "res/resource.h"

namespace {

class ManyPresses : public DialogTest {};

// Ten thousand presses of good and bad dates in a row leave the dialog as
// one press would: every bad one answered with the box, the last good one
// shown. How fast and how much memory: bench/bench_press.
TEST_F(ManyPresses, AnswerEveryPressAndLeaveTheDialogWorking) {
    const QString months[] = {"12", "1a", "3", "", "13", "99999999999", " 7 "};
    std::size_t errors = 0;
    for (int i = 0; i < 10000; ++i) {
        Type(IDC_EDIT_MONTH, months[i % 7]);
        PressEnter();
        errors += boxes.size();
        boxes.clear();
    }
    EXPECT_EQ(errors, 4286u); // "1a", "" and 99999999999, three of every seven
    Type(IDC_EDIT_MONTH, "12");
    PressEnter();
    EXPECT_EQ(LabelText(IDC_LABEL_INTELLECT), "智力周期（32天）第490个周期");
}

} // namespace
