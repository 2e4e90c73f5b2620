#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

// A dialog's window menu. Choosing an entry hands its system command id to
// the dialog's OnSystemCommand.
class SystemMenu {
public:
    struct Native;

    explicit SystemMenu(std::unique_ptr<Native> native);
    ~SystemMenu();
    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;

    void AppendSeparator();
    void AppendItem(std::uint32_t commandId, std::u16string_view text);

    Native& GetNative() const { return *native_; }

private:
    std::unique_ptr<Native> native_;
};

} // namespace platform
