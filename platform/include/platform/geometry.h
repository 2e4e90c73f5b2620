#pragma once

#include <cstdint>

namespace platform {

// A rectangle in the window system's manner: right and bottom lie just
// outside it.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

} // namespace platform
