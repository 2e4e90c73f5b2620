#include "platform/clock.h"

#include "system_clock.h"

namespace platform {
namespace {

std::function<LocalDate()>& TestClock() {
    static std::function<LocalDate()> clock;
    return clock;
}

} // namespace

LocalDate GetLocalTime() {
    if (TestClock()) {
        return TestClock()();
    }
    return SystemClock();
}

void SetClockForTesting(std::function<LocalDate()> clock) {
    TestClock() = std::move(clock);
}

} // namespace platform
