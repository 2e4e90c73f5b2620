#pragma once

#include <cstdint>

namespace platform {

// A colour as the program writes it: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorRef{red} | ColorRef{green} << 8 | ColorRef{blue} << 16;
}

} // namespace platform
