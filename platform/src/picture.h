#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// A painted control's picture, kept between paints so that drawing outside
// a paint request lands on top of what the control shows, as on the window
// system: RGBA bytes over the device pixels the control covers, 0 where
// nothing is drawn, so that the dialog's background shows there. Each of
// the control's own pixels is a k x k block of device pixels.
struct Picture {
    std::vector<std::uint32_t> pixels;
    std::int32_t width = 0;
    std::int32_t height = 0;
    int k = 1;

    // Takes the size and block; a picture of another size or block, or a
    // `fresh` one, starts empty.
    void Fit(std::int32_t deviceWidth, std::int32_t deviceHeight, int block, bool fresh);

    // The control's client area in its own pixels.
    Rect ClientRect() const { return {0, 0, width / k, height / k}; }

    // Fills an area of the control's pixels, which must lie in ClientRect().
    void Fill(const Rect& area, ColorRef color);

    // The colour of the control's pixel, or none where nothing is drawn.
    bool IsDrawn(std::int32_t x, std::int32_t y) const;
    ColorRef ColorAt(std::int32_t x, std::int32_t y) const;
};

} // namespace platform
