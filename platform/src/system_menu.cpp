#include "platform/system_menu.h"

namespace platform {

SystemMenu::SystemMenu(std::function<void(std::uint32_t)> onCommand)
    : onCommand_(std::move(onCommand)) {}

void SystemMenu::AppendSeparator() {
    entries_.push_back({0, {}});
}

void SystemMenu::AppendItem(std::uint32_t commandId, std::u16string_view text) {
    entries_.push_back({commandId, std::u16string(text)});
}

void SystemMenu::Choose(std::uint32_t commandId) const {
    onCommand_(commandId);
}

} // namespace platform
