#pragma once

#include "platform/color.h"

#include <cstdint>
#include <map>
#include <utility>

namespace test {

// The reference's own facts, not the product's, so that a change to the
// product cannot move the expected picture with it; a test checks that the
// two agree.
inline constexpr double kCurveAngleFactor = 6.28318;

// The period in days of the cycle `kind` names, or 0 for a kind that names
// none and so draws no marker.
std::int32_t CyclePeriod(std::int32_t kind);

// What the curve control should paint on a client rectangle of w x h pixels,
// worked out here on its own: the colour of each pixel of the frame, axis,
// sine and marker, keyed by (x, y). Pixels the control leaves alone are
// absent.
std::map<std::pair<int, int>, platform::ColorRef> CurvePixels(int w, int h, std::int32_t kind,
                                                              std::int32_t day);

} // namespace test
