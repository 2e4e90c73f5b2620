#include "text.h"

namespace platform::web {
namespace {

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::string ToCodePage(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        // A character beyond the first plane is two units but one character.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
            IsLowSurrogate(text[i + 1])) {
            ++i;
        }
        bytes.push_back('?');
    }
    return bytes;
}

} // namespace platform::web
