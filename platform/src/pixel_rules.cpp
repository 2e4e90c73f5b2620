#include "platform/pixel_rules.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

// k * run / steps rounded to nearest, halves up, for 0 <= k < steps and
// 0 <= run <= steps < 2^33. The product can pass 2^63, and 32-bit targets
// have no 128-bit integer, so run is split at 2^16 to keep every step small.
std::int64_t ScaledRounded(std::int64_t k, std::int64_t run, std::int64_t steps) {
    const std::int64_t high = k * (run >> 16);
    const std::int64_t rest = (high % steps << 16) + k * (run & 0xFFFF);
    const std::int64_t quotient = (high / steps << 16) + rest / steps;
    const std::int64_t remainder = rest % steps;
    return quotient + (2 * remainder >= steps ? 1 : 0);
}

Rect Area(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
            static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)};
}

// A line whose major axis steps one pixel at a time and whose minor axis
// follows the midpoint rule; only the steps that land inside `clip` along the
// major axis are visited.
std::vector<Rect> SlantedLine(Point from, std::int64_t dx, std::int64_t dy, const Rect& clip) {
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minorRun = xMajor ? std::llabs(dy) : std::llabs(dx);
    const std::int64_t majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorSign = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t lo = xMajor ? clip.left : clip.top;
    const std::int64_t hi = (xMajor ? std::int64_t{clip.right} : std::int64_t{clip.bottom}) - 1;

    std::int64_t first = (lo - majorStart) * majorSign;
    std::int64_t last = (hi - majorStart) * majorSign;
    if (first > last) {
        std::swap(first, last);
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);

    std::vector<Rect> pixels;
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t offset = ScaledRounded(k, minorRun, steps);
        const std::int64_t major = majorStart + k * majorSign;
        const std::int64_t minor = minorStart + offset * minorSign;
        const std::int64_t x = xMajor ? major : minor;
        const std::int64_t y = xMajor ? minor : major;
        const Rect pixel = ClipArea(x, y, 1, 1, clip);
        if (!IsEmpty(pixel)) {
            pixels.push_back(pixel);
        }
    }
    return pixels;
}

} // namespace

Rect ClipArea(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
              const Rect& clip) {
    const std::int64_t x0 = std::max<std::int64_t>(left, clip.left);
    const std::int64_t y0 = std::max<std::int64_t>(top, clip.top);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, clip.right);
    const std::int64_t y1 = std::min<std::int64_t>(top + height, clip.bottom);
    if (x0 >= x1 || y0 >= y1) {
        return {};
    }
    return Area(x0, y0, x1, y1);
}

std::vector<Fill> FrameFills(const Rect& r, ColorRef topLeft, ColorRef bottomRight,
                             const Rect& clip) {
    const std::int64_t x = r.left;
    const std::int64_t y = r.top;
    const std::int64_t cx = std::int64_t{r.right} - r.left;
    const std::int64_t cy = std::int64_t{r.bottom} - r.top;
    const Fill edges[] = {
        {ClipArea(x, y, cx - 1, 1, clip), topLeft},
        {ClipArea(x, y, 1, cy - 1, clip), topLeft},
        {ClipArea(x + cx - 1, y, 1, cy, clip), bottomRight},
        {ClipArea(x, y + cy - 1, cx, 1, clip), bottomRight},
    };
    std::vector<Fill> fills;
    for (const Fill& edge : edges) {
        if (!IsEmpty(edge.area)) {
            fills.push_back(edge);
        }
    }
    return fills;
}

std::vector<Rect> LineAreas(Point from, Point to, const Rect& clip) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    Rect area;
    if (dx != 0 && dy != 0) {
        return SlantedLine(from, dx, dy, clip);
    }
    // A straight line covers its start pixel and every pixel before its end.
    if (dx != 0) {
        area = ClipArea(dx > 0 ? from.x : std::int64_t{to.x} + 1, from.y, std::llabs(dx), 1, clip);
    } else if (dy != 0) {
        area = ClipArea(from.x, dy > 0 ? from.y : std::int64_t{to.y} + 1, 1, std::llabs(dy), clip);
    }
    if (IsEmpty(area)) {
        return {};
    }
    return {area};
}

} // namespace platform
