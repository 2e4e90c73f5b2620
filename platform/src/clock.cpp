#include "platform/clock.h"

#include <ctime>

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
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetClockForTesting(std::function<LocalDate()> clock) {
    TestClock() = std::move(clock);
}

} // namespace platform
