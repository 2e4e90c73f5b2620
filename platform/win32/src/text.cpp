#include "text.h"

#include "code_page_text.h"
#include "platform/win32/windows_api.h"

namespace platform {
namespace {

constexpr UINT kGbk = 936;

// The character's GBK bytes, without the system's best-fit mapping (which
// turns a superscript one into the digit 1) and only if the code page holds
// the character itself: no default character used, and the bytes decode
// back to it.
std::optional<std::string> EncodeGbk(std::u16string_view character) {
    const auto* wide = reinterpret_cast<const wchar_t*>(character.data());
    const int length = static_cast<int>(character.size());
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, bytes,
                                         sizeof bytes, "?", &usedDefault);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    wchar_t back[4] = {};
    const int backLength = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes, size, back, 4);
    if (std::wstring_view(back, static_cast<std::size_t>(backLength)) !=
        std::wstring_view(wide, character.size())) {
        return std::nullopt;
    }
    return std::string(bytes, static_cast<std::size_t>(size));
}

} // namespace

std::wstring WideTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ToGbk(std::wstring_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return ToCodePageBytes(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()),
        EncodeGbk);
}

} // namespace platform
