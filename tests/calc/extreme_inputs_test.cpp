#include "calc/cycles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const std::int32_t kExtremes[] = {kMin, -1, 0, 1, 12, 13, 14, 31, 2026, kMax};

// Every combination of extreme values returns normally (the sanitizer build
// turns any overflow or out-of-table read into a failure) and keeps the
// invariant on the day count clamped to 32 bits.
TEST(ExtremeInputs, ReturnNormallyForEveryCombination) {
    for (std::int32_t by : kExtremes) {
        for (std::int32_t bm : kExtremes) {
            for (std::int32_t bd : kExtremes) {
                for (std::int32_t ty : kExtremes) {
                    for (std::int32_t tm : kExtremes) {
                        for (std::int32_t td : kExtremes) {
                            const calc::BirthDate birth{by, bm, bd};
                            const std::int64_t whole = std::clamp<std::int64_t>(
                                calc::CountDays(birth, ty, tm, td).whole, kMin, kMax);
                            const calc::CycleResult r = calc::ComputeCycles(birth, ty, tm, td);
                            for (const calc::CycleFacts& cycle : calc::kCycles) {
                                const calc::CyclePosition pos = r.*cycle.position;
                                ASSERT_EQ(std::int64_t{pos.cycles} * cycle.period + pos.day, whole);
                            }
                        }
                    }
                }
            }
        }
    }
}

struct Beyond {
    const char* what;
    calc::BirthDate birth;
    std::int32_t todayMonth;
    bool within;
};

const Beyond kBeyond[] = {
    {"birth month 0", {1983, 0, 30}, 12, false},
    {"birth month 13 runs on through December", {1983, 13, 30}, 12, true},
    {"birth month 14", {1983, 14, 30}, 12, false},
    {"largest birth month", {1983, kMax, 30}, 12, false},
    {"birth year 0", {0, 12, 30}, 12, true},
    {"birth year far enough that the day count overflows", {kMax, 12, 30}, 12, false},
    {"negative birth year far in the past", {kMin, 1, 1}, 12, false},
    {"largest birth day", {1983, 12, kMax}, 1, true},
    {"today's month 0", {1983, 12, 30}, 0, false},
    {"today's month 13", {1983, 12, 30}, 13, false},
};

void PrintTo(const Beyond& c, std::ostream* out) {
    *out << c.what;
}

class BeyondTheRule : public testing::TestWithParam<Beyond> {};

TEST_P(BeyondTheRule, IsToldApartFromDatesTheRuleCovers) {
    const Beyond& c = GetParam();
    EXPECT_EQ(calc::IsWithinRule(c.birth, 2026, c.todayMonth, 7), c.within) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Dates, BeyondTheRule, testing::ValuesIn(kBeyond));

TEST(ExtremeInputs, CountsTheLargestBirthDayWithoutWrapping) {
    // The birthday lies 2147483647 - 7 days plus January to November ahead.
    const calc::DayCount count = calc::CountDays({1983, 12, kMax}, 2026, 1, 7);
    EXPECT_EQ(count.offset, -(334 + std::int64_t{kMax} - 7));
}

} // namespace
