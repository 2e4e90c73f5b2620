#include "listed_system_menu.h"

#include "platform/system_menu.h"

namespace platform {

SystemMenu::SystemMenu(std::unique_ptr<Native> native) : native_(std::move(native)) {}

SystemMenu::~SystemMenu() = default;

void SystemMenu::AppendSeparator() {
    native_->entries.push_back({0, {}});
}

void SystemMenu::AppendItem(std::uint32_t commandId, std::u16string_view text) {
    native_->entries.push_back({commandId, std::u16string(text)});
}

} // namespace platform
