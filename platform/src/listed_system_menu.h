#pragma once

#include "platform/system_menu.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Where the toolkit cannot extend the window manager's menu, the dialog
// keeps the entries itself and shows them as a menu of its own.
struct SystemMenu::Native {
    struct Entry {
        std::uint32_t commandId; // 0 for a separator
        std::u16string text;
    };

    std::vector<Entry> entries;
};

} // namespace platform
