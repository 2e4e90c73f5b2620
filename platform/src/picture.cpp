#include "picture.h"

#include <algorithm>

namespace platform {
namespace {

// A colour as RGBA bytes, opaque.
std::uint32_t ToRgba(ColorRef color) {
    return (color & 0x00FFFFFF) | 0xFF000000;
}

} // namespace

void Picture::Fit(std::int32_t deviceWidth, std::int32_t deviceHeight, int block, bool fresh) {
    if (fresh || deviceWidth != width || deviceHeight != height || block != k) {
        width = deviceWidth;
        height = deviceHeight;
        pixels.assign(static_cast<std::size_t>(width) * height, 0);
    }
    k = block;
}

void Picture::Fill(const Rect& area, ColorRef color) {
    const std::uint32_t rgba = ToRgba(color);
    for (std::int32_t y = area.top * k; y < area.bottom * k; ++y) {
        std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * width;
        std::fill(row + area.left * k, row + area.right * k, rgba);
    }
}

bool Picture::IsDrawn(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * k * width + x * k] != 0;
}

ColorRef Picture::ColorAt(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * k * width + x * k] & 0x00FFFFFF;
}

} // namespace platform
