#pragma once

namespace platform {

// The standard icon size, in the pixels dialogs are laid out in, where the
// toolkit has no size of its own.
inline constexpr int kIconSize = 32;

} // namespace platform
