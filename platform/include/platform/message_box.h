#pragma once

#include <string_view>

namespace platform {

class Window;

// A modal message with one OK button and no icon, owned by `owner`. A
// backend that lays the box out itself labels the button 确定; the window
// system's own box shows its OK in the system's language. With no caption of
// its own it takes the application's name as its title.
int MessageBox(Window& owner, std::u16string_view text);

} // namespace platform
