#include "calc/cycles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace calc {
namespace {

constexpr std::int32_t kFirstMonth = 1;
constexpr std::int32_t kPastLastMonth = 13;

bool IsLeapYear(std::int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days before the first of each month of `year`: slot m holds the sum of the
// lengths of months 1 to m - 1, slot 13 the whole year. Only this year's
// February is ever counted.
std::array<std::int64_t, 14> DaysBeforeMonth(std::int32_t year) {
    const std::array<std::int32_t, 13> sz = {
        0, 31, IsLeapYear(year) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::array<std::int64_t, 14> before{};
    for (std::int32_t m = kFirstMonth; m < kPastLastMonth; ++m) {
        before[m + 1] = before[m] + sz[m];
    }
    return before;
}

// Months outside the table are counted as the nearest month it has, so no
// input reads past it; such dates lie beyond the rule (see IsWithinRule).
std::int32_t ClampMonth(std::int32_t month) {
    return std::clamp(month, kFirstMonth, kPastLastMonth);
}

std::int64_t DayOffset(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                       std::int32_t todayDay) {
    const auto before = DaysBeforeMonth(todayYear);
    const std::int32_t bm = ClampMonth(birth.nmonth);
    const std::int32_t tm = ClampMonth(todayMonth);
    const std::int64_t bd = birth.nday;
    const std::int64_t td = todayDay;
    if (tm == bm) {
        return td - bd;
    }
    if (tm > bm) {
        return (before[tm] - before[bm]) + (td - bd);
    }
    return -((before[bm] - before[tm]) + (bd - td));
}

bool FitsInt32(std::int64_t n) {
    return n >= std::numeric_limits<std::int32_t>::min() &&
           n <= std::numeric_limits<std::int32_t>::max();
}

CyclePosition Position(const DayCount& count, std::int32_t period) {
    if (FitsInt32(count.whole)) {
        // Truncating the quarter-day total gives the same count as dividing
        // the whole days, so cycles * period + day == whole.
        return {static_cast<std::int32_t>(count.total / period),
                static_cast<std::int32_t>(count.whole % period)};
    }
    const std::int64_t whole =
        std::clamp<std::int64_t>(count.whole, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    return {static_cast<std::int32_t>(whole / period), static_cast<std::int32_t>(whole % period)};
}

} // namespace

DayCount CountDays(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                   std::int32_t todayDay) {
    DayCount count;
    count.offset = DayOffset(birth, todayYear, todayMonth, todayDay);
    const std::int64_t years = std::int64_t{todayYear} - birth.nyear;
    count.total = static_cast<double>(years) * 365.25 + static_cast<double>(count.offset);
    count.whole = static_cast<std::int64_t>(std::trunc(count.total));
    return count;
}

bool IsWithinRule(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                  std::int32_t todayDay) {
    if (birth.nmonth < kFirstMonth || birth.nmonth > kPastLastMonth) {
        return false;
    }
    if (todayMonth < kFirstMonth || todayMonth >= kPastLastMonth) {
        return false;
    }
    return FitsInt32(CountDays(birth, todayYear, todayMonth, todayDay).whole);
}

CycleResult ComputeCycles(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                          std::int32_t todayDay) {
    const DayCount count = CountDays(birth, todayYear, todayMonth, todayDay);
    CycleResult result;
    for (const CycleFacts& cycle : kCycles) {
        result.*cycle.position = Position(count, cycle.period);
    }
    return result;
}

const CycleFacts* FindCycle(std::int32_t kind) {
    for (const CycleFacts& cycle : kCycles) {
        if (cycle.kind == kind) {
            return &cycle;
        }
    }
    return nullptr;
}

} // namespace calc
