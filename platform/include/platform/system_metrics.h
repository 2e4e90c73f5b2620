#pragma once

namespace platform {

// The standard icon's width and height in pixels (SM_CXICON, SM_CYICON).
namespace sm {
inline constexpr int kCxIcon = 11;
inline constexpr int kCyIcon = 12;
} // namespace sm

// The window system's measure with the index; 0 for one it does not know.
int GetSystemMetrics(int index);

} // namespace platform
