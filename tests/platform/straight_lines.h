#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <limits>
#include <ostream>

// Straight lines and the pixels the window system's rule paints for them on a
// 210 x 41 surface: the start pixel and every pixel up to, but not including,
// the end; nothing at all far outside. Shared by the pixel rules' tests and
// the window system backend's.
namespace straight_lines {

inline constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
inline constexpr platform::Rect kSurface{0, 0, 210, 41};

struct Case {
    const char* what;
    platform::Point from, to;
    platform::Rect covered; // empty when nothing is painted
};

inline void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

inline constexpr Case kCases[] = {
    {"rightward stops before its end", {0, 20}, {210, 20}, {0, 20, 210, 21}},
    {"leftward stops before its end", {9, 3}, {2, 3}, {3, 3, 10, 4}},
    {"downward stops before its end", {65, 0}, {65, 41}, {65, 0, 66, 41}},
    {"upward stops before its end", {5, 30}, {5, 10}, {5, 11, 6, 31}},
    {"same start and end paints nothing", {4, 4}, {4, 4}, {}},
    {"a one-pixel line is its start pixel", {4, 4}, {5, 4}, {4, 4, 5, 5}},
    {"far to the right paints nothing", {134217721, 0}, {134217721, 41}, {}},
    {"column far to the left paints nothing", {kMin, 0}, {kMin, 41}, {}},
    {"across the whole range is clipped", {kMin, 7}, {kMax, 7}, {0, 7, 210, 8}},
    {"back across the whole range is clipped", {kMax, 7}, {kMin, 7}, {0, 7, 210, 8}},
    {"row below the surface paints nothing", {0, 41}, {210, 41}, {}},
};

} // namespace straight_lines
