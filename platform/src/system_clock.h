#pragma once

#include "platform/clock.h"

namespace platform {

// Today's date by the window system's local clock; each backend reads it its own way.
LocalDate SystemClock();

} // namespace platform
