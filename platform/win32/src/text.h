#pragma once

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>

namespace platform {

// The program's texts are UTF-16, as the window system's wide strings are;
// this is where they become them.
inline std::wstring ToWide(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return std::wstring(text.begin(), text.end());
}

// The window's text as the window system holds it.
std::wstring WideTextOf(HWND window);

// Text in the program's 8-bit code page, GBK (936), whatever the user's ANSI
// code page is. A character GBK cannot hold becomes "?", which no parse accepts.
std::string ToGbk(std::wstring_view text);

} // namespace platform
