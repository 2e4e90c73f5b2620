#pragma once

namespace platform {

// The standard icon's width and height in pixels.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// The window system's measure with the index; 0 for one it does not know.
int GetSystemMetrics(int index);

} // namespace platform
