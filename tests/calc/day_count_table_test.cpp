#include "calc/cycles.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Date {
    std::int32_t year, month, day;
};

struct Row {
    Date birth;
    Date today;
    std::int64_t offset;
    double total;
    std::int64_t whole;
    calc::CyclePosition intellect, emotion, physical;
};

// Birth and today's date, the offset from this year's birthday, the total and
// whole day count, and cycles / day for intellect, emotion and physical.
const Row kRows[] = {
    {{1983, 12, 30}, {2026, 12, 7}, -23, 15682.75, 15682, {490, 2}, {560, 2}, {681, 19}},
    {{1983, 12, 3}, {2026, 12, 7}, 4, 15709.75, 15709, {490, 29}, {561, 1}, {683, 0}},
    {{1983, 12, 30}, {2027, 1, 5}, -359, 15712, 15712, {491, 0}, {561, 4}, {683, 3}},
    {{1983, 1, 31}, {2026, 12, 7}, 310, 16015.75, 16015, {500, 15}, {571, 27}, {696, 7}},
    {{1990, 3, 15}, {2024, 7, 4}, 111, 12529.5, 12529, {391, 17}, {447, 13}, {544, 17}},
    {{2000, 11, 20}, {2024, 1, 10}, -315, 8451, 8451, {264, 3}, {301, 23}, {367, 10}},
    {{2000, 11, 20}, {2023, 1, 10}, -314, 8086.75, 8086, {252, 22}, {288, 22}, {351, 13}},
    {{2000, 2, 29}, {2024, 3, 1}, 1, 8767, 8767, {273, 31}, {313, 3}, {381, 4}},
    {{2000, 2, 29}, {2025, 3, 1}, 0, 9131.25, 9131, {285, 11}, {326, 3}, {397, 0}},
    {{2099, 2, 1}, {2100, 3, 1}, 28, 393.25, 393, {12, 9}, {14, 1}, {17, 2}},
    {{1999, 2, 1}, {2000, 3, 1}, 29, 394.25, 394, {12, 10}, {14, 2}, {17, 3}},
    {{2001, 2, 31}, {2024, 3, 1}, -1, 8399.75, 8399, {262, 15}, {299, 27}, {365, 4}},
    {{2025, 12, 7}, {2026, 12, 7}, 0, 365.25, 365, {11, 13}, {13, 1}, {15, 20}},
    {{2026, 12, 7}, {2026, 12, 7}, 0, 0, 0, {0, 0}, {0, 0}, {0, 0}},
    {{2027, 1, 1}, {2026, 12, 7}, 340, -25.25, -25, {0, -25}, {0, -25}, {-1, -2}},
    {{2030, 6, 15}, {2026, 12, 7}, 175, -1286, -1286, {-40, -6}, {-45, -26}, {-55, -21}},
    {{1999, 13, 5}, {2024, 11, 20}, -46, 9085.25, 9085, {283, 29}, {324, 13}, {395, 0}},
};

void PrintTo(const Row& r, std::ostream* out) {
    *out << r.birth.year << "-" << r.birth.month << "-" << r.birth.day << " on " << r.today.year
         << "-" << r.today.month << "-" << r.today.day;
}

void ExpectPosition(const calc::CyclePosition& got, const calc::CyclePosition& want,
                    const char* kind) {
    EXPECT_EQ(got.cycles, want.cycles) << kind << " cycles";
    EXPECT_EQ(got.day, want.day) << kind << " day";
}

class DayCountTable : public testing::TestWithParam<Row> {};

TEST_P(DayCountTable, CountsDaysAndCyclesByTheProgramsRule) {
    const Row& r = GetParam();
    const calc::BirthDate birth{r.birth.year, r.birth.month, r.birth.day};
    const calc::DayCount count = calc::CountDays(birth, r.today.year, r.today.month, r.today.day);
    EXPECT_EQ(count.offset, r.offset);
    EXPECT_EQ(count.total, r.total);
    EXPECT_EQ(count.whole, r.whole);
    EXPECT_TRUE(calc::IsWithinRule(birth, r.today.year, r.today.month, r.today.day));

    const calc::CycleResult result =
        calc::ComputeCycles(birth, r.today.year, r.today.month, r.today.day);
    ExpectPosition(result.intellect, r.intellect, "intellect");
    ExpectPosition(result.emotion, r.emotion, "emotion");
    ExpectPosition(result.physical, r.physical, "physical");
}

INSTANTIATE_TEST_SUITE_P(Dates, DayCountTable, testing::ValuesIn(kRows));

} // namespace
