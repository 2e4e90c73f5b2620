#include "system_clock.h"

#include "page.h"

namespace platform {

// The browser's local date, as the page's clock gives it.
LocalDate SystemClock() {
    std::int32_t date[3] = {};
    vidad_local_date(date);
    return {date[0], date[1], date[2]};
}

} // namespace platform
