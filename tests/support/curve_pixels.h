#pragma once

#include "platform/color.h"

#include <cstdint>
#include <map>
#include <utility>

namespace test {

// What the curve control should paint on a client rectangle of w x h pixels,
// worked out here on its own: the colour of each pixel of the frame, axis,
// sine and marker, keyed by (x, y). Pixels the control leaves alone are
// absent.
std::map<std::pair<int, int>, platform::ColorRef> CurvePixels(int w, int h, std::int32_t kind,
                                                              std::int32_t day);

} // namespace test
