#pragma once

#include <cstdint>

namespace calc {

// Which cycle a curve shows, numbered from 1 so that 0 names none.
enum CycleKind : std::int32_t {
    kIntellect = 1,
    kEmotion = 2,
    kPhysical = 3,
};

struct BirthDate {
    std::int32_t nyear = 0;
    std::int32_t nmonth = 0;
    std::int32_t nday = 0;
};

struct CyclePosition {
    std::int32_t cycles = 0; // whole cycles completed since birth
    std::int32_t day = 0;    // day within the current cycle, from 0
};

struct CycleResult {
    CyclePosition intellect;
    CyclePosition emotion;
    CyclePosition physical;
};

// What the program knows of each cycle, in the order it shows them. The
// intellect cycle has 32 days, whatever the dialog's first label says.
struct CycleFacts {
    CycleKind kind;
    std::int32_t period; // days
    CyclePosition CycleResult::*position;
};

inline constexpr CycleFacts kCycles[] = {
    {kIntellect, 32, &CycleResult::intellect},
    {kEmotion, 28, &CycleResult::emotion},
    {kPhysical, 23, &CycleResult::physical},
};

// The facts of a kind, or none for a value that names no cycle.
const CycleFacts* FindCycle(std::int32_t kind);

// The program's day count: 365.25 days a year, plus the distance from this
// year's birthday to today counted with this year's month lengths. Kept in
// 64 bits so that no input can overflow; `whole` is `total` truncated.
struct DayCount {
    std::int64_t offset = 0; // days from this year's birthday to today
    double total = 0;        // always a multiple of 0.25
    std::int64_t whole = 0;
};

DayCount CountDays(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                   std::int32_t todayDay);

// True when the day count rule covers the date: a birth month of 1 to 13
// (13 runs on through December), today's month 1 to 12, and a whole day
// count that fits a signed 32-bit integer.
bool IsWithinRule(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                  std::int32_t todayDay);

// Completed cycles and day in cycle for the three kinds. Returns normally for
// every input; outside the rule the day count is clamped to 32 bits.
CycleResult ComputeCycles(const BirthDate& birth, std::int32_t todayYear, std::int32_t todayMonth,
                          std::int32_t todayDay);

} // namespace calc
