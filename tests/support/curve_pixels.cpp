#include "curve_pixels.h"

#include "ui/mynew.h"

#include <cmath>

namespace test {

std::int32_t CyclePeriod(std::int32_t kind) {
    switch (kind) {
    case 1:
        return 32;
    case 2:
        return 28;
    case 3:
        return 23;
    default:
        return 0;
    }
}

std::map<std::pair<int, int>, platform::ColorRef> CurvePixels(int w, int h, std::int32_t kind,
                                                              std::int32_t day) {
    std::map<std::pair<int, int>, platform::ColorRef> pixels;
    // Later drawing covers earlier drawing; nothing lands outside the control.
    const auto set = [&](std::int64_t x, std::int64_t y, platform::ColorRef color) {
        if (x >= 0 && y >= 0 && x < w && y < h) {
            pixels[{static_cast<int>(x), static_cast<int>(y)}] = color;
        }
    };
    for (int x = 0; x < w; ++x) {
        set(x, 0, mynew::kFrameColor);
        set(x, h - 1, mynew::kFrameColor);
    }
    for (int y = 0; y < h; ++y) {
        set(0, y, mynew::kFrameColor);
        set(w - 1, y, mynew::kFrameColor);
    }
    for (int x = 0; x < w; ++x) {
        set(x, h / 2, mynew::kLineColor);
    }
    for (int x = 0; x < w; ++x) {
        const double s = std::sin(-x * kCurveAngleFactor / w);
        set(x, static_cast<std::int64_t>(h / 2 + (h - 4) * s / 2.0), mynew::kLineColor);
    }
    if (const std::int32_t period = CyclePeriod(kind)) {
        const std::uint32_t mx = static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(day) /
                                 static_cast<std::uint32_t>(period);
        for (int y = 0; y < h; ++y) {
            set(static_cast<std::int32_t>(mx), y, mynew::kLineColor);
        }
    }
    return pixels;
}

} // namespace test
