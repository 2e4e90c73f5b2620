#include "system_clock.h"

#include "platform/null/access.h"

namespace platform {
namespace {

LocalDate& SystemDate() {
    static LocalDate date{2000, 1, 1};
    return date;
}

} // namespace

LocalDate SystemClock() {
    return SystemDate();
}

void null::SetSystemDate(LocalDate date) {
    SystemDate() = date;
}

} // namespace platform
