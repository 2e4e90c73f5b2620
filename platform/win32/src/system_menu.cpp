#include "platform/system_menu.h"

#include "native.h"
#include "text.h"

namespace platform {

SystemMenu::SystemMenu(std::unique_ptr<Native> native) : native_(std::move(native)) {}

SystemMenu::~SystemMenu() = default;

void SystemMenu::AppendSeparator() {
    AppendMenuW(native_->menu, MF_SEPARATOR, 0, nullptr);
}

void SystemMenu::AppendItem(std::uint32_t commandId, std::u16string_view text) {
    AppendMenuW(native_->menu, MF_STRING, commandId, ToWide(text).c_str());
}

} // namespace platform
