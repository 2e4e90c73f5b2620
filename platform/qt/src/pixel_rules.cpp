#include "platform/qt/pixel_rules.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

__extension__ using Wide = __int128;

QRect Area(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height));
}

// A line whose major axis steps one pixel at a time and whose minor axis
// follows the midpoint rule; only the steps that land inside `clip` along the
// major axis are visited.
std::vector<QRect> SlantedLine(Point from, std::int64_t dx, std::int64_t dy, const QRect& clip) {
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minorRun = xMajor ? std::llabs(dy) : std::llabs(dx);
    const std::int64_t majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorSign = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t lo = xMajor ? clip.left() : clip.top();
    const std::int64_t hi = xMajor ? clip.right() : clip.bottom();

    std::int64_t first = (lo - majorStart) * majorSign;
    std::int64_t last = (hi - majorStart) * majorSign;
    if (first > last) {
        std::swap(first, last);
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);

    std::vector<QRect> pixels;
    for (std::int64_t k = first; k <= last; ++k) {
        const Wide offset = (Wide{2} * k * minorRun + steps) / (Wide{2} * steps);
        const std::int64_t major = majorStart + k * majorSign;
        const std::int64_t minor = minorStart + static_cast<std::int64_t>(offset) * minorSign;
        const std::int64_t x = xMajor ? major : minor;
        const std::int64_t y = xMajor ? minor : major;
        const QRect pixel = ClipArea(x, y, 1, 1, clip);
        if (!pixel.isEmpty()) {
            pixels.push_back(pixel);
        }
    }
    return pixels;
}

} // namespace

QRect ClipArea(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
               const QRect& clip) {
    const std::int64_t x0 = std::max<std::int64_t>(left, clip.left());
    const std::int64_t y0 = std::max<std::int64_t>(top, clip.top());
    const std::int64_t x1 = std::min<std::int64_t>(left + width, std::int64_t{clip.right()} + 1);
    const std::int64_t y1 = std::min<std::int64_t>(top + height, std::int64_t{clip.bottom()} + 1);
    if (x0 >= x1 || y0 >= y1) {
        return {};
    }
    return Area(x0, y0, x1 - x0, y1 - y0);
}

std::vector<Fill> FrameFills(const Rect& r, ColorRef topLeft, ColorRef bottomRight,
                             const QRect& clip) {
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
        if (!edge.area.isEmpty()) {
            fills.push_back(edge);
        }
    }
    return fills;
}

std::vector<QRect> LineAreas(Point from, Point to, const QRect& clip) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    QRect area;
    if (dx != 0 && dy != 0) {
        return SlantedLine(from, dx, dy, clip);
    }
    // A straight line covers its start pixel and every pixel before its end.
    if (dx != 0) {
        area = ClipArea(dx > 0 ? from.x : std::int64_t{to.x} + 1, from.y, std::llabs(dx), 1, clip);
    } else if (dy != 0) {
        area = ClipArea(from.x, dy > 0 ? from.y : std::int64_t{to.y} + 1, 1, std::llabs(dy), clip);
    }
    if (area.isEmpty()) {
        return {};
    }
    return {area};
}

} // namespace platform
