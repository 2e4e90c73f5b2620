#pragma once

#include <string_view>

namespace platform {

class Window;

// A modal message with one 确定 button and no icon, owned by `owner`. With
// no caption of its own it takes the application's name as its title.
int MessageBox(Window& owner, std::u16string_view text);

} // namespace platform
