#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The dialog's own window menu, standing in for the window manager's, which
// a program cannot extend. Choosing an entry hands its system command id to
// the owner's handler. The dialog builds the menu the toolkit shows from the
// entries when it is first opened, so a dialog that never opens it pays
// nothing for it at start-up.
class SystemMenu {
public:
    struct Entry {
        std::uint32_t commandId; // 0 for a separator
        std::u16string text;
    };

    explicit SystemMenu(std::function<void(std::uint32_t)> onCommand);

    void AppendSeparator();
    void AppendItem(std::uint32_t commandId, std::u16string_view text);

    std::span<const Entry> Entries() const { return entries_; }

    // Hands the chosen entry's command id to the owner.
    void Choose(std::uint32_t commandId) const;

private:
    std::function<void(std::uint32_t)> onCommand_;
    std::vector<Entry> entries_;
};

} // namespace platform
