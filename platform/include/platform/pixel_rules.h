#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <cstdint>
#include <vector>

// Which pixels the drawing operations cover, as pure functions. Coordinates
// may lie anywhere in the signed 32-bit range; results are clipped to the
// surface, so far-away drawing costs nothing and paints nothing.
namespace platform {

// True when the area holds no pixel.
constexpr bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

struct Fill {
    Rect area;
    ColorRef color;
};

// The pixels of the rectangle from (left, top) spanning `width` by `height`
// (64-bit, so sums of far coordinates cannot overflow) that lie inside `clip`.
Rect ClipArea(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
              const Rect& clip);

// The one-pixel 3-D frame on the outermost pixels of `r`: top and left edges in
// `topLeft`, then right and bottom edges in `bottomRight`, which cover the
// corners where they meet. Empty areas are left out.
std::vector<Fill> FrameFills(const Rect& r, ColorRef topLeft, ColorRef bottomRight,
                             const Rect& clip);

// The pixels of a line from `from` up to, but not including, `to`, as
// rectangles of whole pixels: one for a horizontal or vertical line, one per
// pixel otherwise. At most one pixel per column (or row) of `clip` is looked at.
std::vector<Rect> LineAreas(Point from, Point to, const Rect& clip);

} // namespace platform
