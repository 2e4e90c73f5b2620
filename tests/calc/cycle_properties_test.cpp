#include "calc/cycles.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Birth dates from 1890 to 2060 against today's dates from 1990 to 2040, real
// and impossible days alike, so that T takes both signs.
TEST(CycleProperties, HoldForABroadSweepOfDates) {
    int checked = 0;
    for (std::int32_t by = 1890; by <= 2060; by += 7) {
        for (std::int32_t bm = 1; bm <= 13; bm += 2) {
            for (std::int32_t bd = 0; bd <= 31; bd += 5) {
                for (std::int32_t ty = 1990; ty <= 2040; ty += 17) {
                    for (std::int32_t tm = 1; tm <= 12; tm += 3) {
                        const std::int32_t td = 1 + (by + bd + tm) % 31;
                        const calc::BirthDate birth{by, bm, bd};
                        const calc::DayCount count = calc::CountDays(birth, ty, tm, td);
                        const calc::CycleResult result = calc::ComputeCycles(birth, ty, tm, td);
                        ASSERT_EQ(std::fmod(count.total * 4, 1.0), 0.0);
                        for (const calc::CycleFacts& cycle : calc::kCycles) {
                            const calc::CyclePosition pos = result.*cycle.position;
                            const std::int32_t period = cycle.period;
                            SCOPED_TRACE(testing::Message()
                                         << "kind " << cycle.kind << " birth " << by << "-" << bm
                                         << "-" << bd << " today " << ty << "-" << tm << "-" << td);
                            ASSERT_EQ(std::int64_t{pos.cycles} * period + pos.day, count.whole);
                            if (count.whole >= 0) {
                                ASSERT_GE(pos.day, 0);
                                ASSERT_LT(pos.day, period);
                                ASSERT_GE(pos.cycles, 0);
                            } else {
                                ASSERT_LE(pos.day, 0);
                                ASSERT_GT(pos.day, -period);
                                ASSERT_LE(pos.cycles, 0);
                            }
                        }
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 5000);
}

TEST(CycleProperties, NeverTestsTheBirthYearForALeapYear) {
    // A common birth year against a leap today counts February with 29 days.
    EXPECT_EQ(calc::CountDays({1900, 2, 1}, 2000, 3, 1).offset, 29);
    EXPECT_EQ(calc::CountDays({2000, 2, 1}, 1900, 3, 1).offset, 28);
}

} // namespace
