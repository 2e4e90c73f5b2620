#include "system_clock.h"

#include "platform/win32/windows_api.h"

namespace platform {

LocalDate SystemClock() {
    SYSTEMTIME time{};
    ::GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay};
}

} // namespace platform
