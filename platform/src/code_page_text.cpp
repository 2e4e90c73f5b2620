#include "code_page_text.h"

namespace platform {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::string ToCodePageBytes(std::u16string_view text, const EncodeCharacter& encode) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        std::size_t length = 1;
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            length = 2;
        }
        const bool lone = length == 1 && (IsHighSurrogate(unit) || IsLowSurrogate(unit));
        const std::optional<std::string> encoded =
            lone ? std::nullopt : encode(text.substr(i, length));
        bytes += encoded && !encoded->empty() ? *encoded : std::string("?");
        i += length - 1;
    }
    return bytes;
}

} // namespace platform
