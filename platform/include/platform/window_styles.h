#pragma once

#include <cstdint>

// Style bits and standard ids of the window system's dialog templates and
// commands, with their usual values. Each group has the namespace of its
// usual prefix (ws::kPopup is WS_POPUP), so that the names never meet the
// window system's own macros in a file that includes both.
namespace platform {

// Dialog window styles.
namespace ws {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
} // namespace ws

namespace ws_ex {
inline constexpr std::uint32_t kAppWindow = 0x00040000;
} // namespace ws_ex

namespace ds {
inline constexpr std::uint32_t kModalFrame = 0x80;
inline constexpr std::uint32_t kSetFont = 0x40;
inline constexpr std::uint32_t kFixedSys = 0x08;
inline constexpr std::uint32_t kShellFont = kSetFont | kFixedSys;
} // namespace ds

// Control styles.
namespace bs {
inline constexpr std::uint32_t kPushButton = 0x0;
inline constexpr std::uint32_t kDefPushButton = 0x1;
} // namespace bs

namespace es {
inline constexpr std::uint32_t kAutoHScroll = 0x80;
inline constexpr std::uint32_t kNumber = 0x2000;
} // namespace es

namespace ss {
inline constexpr std::uint32_t kLeft = 0x0;
inline constexpr std::uint32_t kIcon = 0x3;
inline constexpr std::uint32_t kTypeMask = 0x1F;
inline constexpr std::uint32_t kNoPrefix = 0x80;
} // namespace ss

// Standard command ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// System commands; the low four bits are the window system's own.
namespace sc {
inline constexpr std::uint32_t kMinimize = 0xF020;
inline constexpr std::uint32_t kClose = 0xF060;
} // namespace sc

} // namespace platform
