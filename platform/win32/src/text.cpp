#include "text.h"

#include "platform/win32/windows_api.h"

namespace platform {
namespace {

constexpr UINT kGbk = 936;

} // namespace

std::string ToGbk(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(kGbk, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace platform
