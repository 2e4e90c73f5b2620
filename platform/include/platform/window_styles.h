#pragma once

#include <cstdint>

// Style bits and standard ids of the window system's dialog templates and
// commands, with their usual values, so templates read as they always have.
namespace platform {

// Dialog window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80;
inline constexpr std::uint32_t DS_SETFONT = 0x40;
inline constexpr std::uint32_t DS_FIXEDSYS = 0x08;
inline constexpr std::uint32_t DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

// Control styles.
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;
inline constexpr std::uint32_t SS_LEFT = 0x0;
inline constexpr std::uint32_t SS_ICON = 0x3;
inline constexpr std::uint32_t SS_TYPEMASK = 0x1F;
inline constexpr std::uint32_t SS_NOPREFIX = 0x80;

// Standard command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// System commands; the low four bits are the window system's own.
inline constexpr std::uint32_t SC_MINIMIZE = 0xF020;
inline constexpr std::uint32_t SC_CLOSE = 0xF060;

} // namespace platform
