#pragma once

#include <cstdint>
#include <functional>

namespace platform {

struct LocalDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};

// Today's date by the local clock, read anew on every call.
LocalDate GetLocalTime();

// Replaces the clock (tests); an empty function restores the real one.
void SetClockForTesting(std::function<LocalDate()> clock);

} // namespace platform
