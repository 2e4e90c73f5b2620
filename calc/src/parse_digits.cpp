#include "calc/parse_digits.h"

#include <cstddef>

// The calculation core must build with nothing but the standard library.
#if __has_include(<QtCore/qglobal.h>)
#error "calc is built with Qt on its include path"
#endif

namespace calc {
namespace {

bool IsGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Drops every space, walking the text a character at a time: a GBK
// double-byte character is kept whole and judged by its first byte.
void RemoveSpaces(std::string& text) {
    std::size_t out = 0;
    for (std::size_t in = 0; in < text.size();) {
        const auto lead = static_cast<unsigned char>(text[in]);
        const std::size_t width = IsGbkLeadByte(lead) && in + 1 < text.size() ? 2 : 1;
        if (lead != ' ') {
            for (std::size_t k = 0; k < width; ++k) {
                text[out++] = text[in + k];
            }
        }
        in += width;
    }
    text.resize(out);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool ParseDigits(std::string text, std::int32_t& value) {
    RemoveSpaces(text);
    if (text.empty()) {
        return false;
    }
    constexpr std::int64_t kMax = INT32_MAX;
    std::int64_t number = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
        // Leading zeros keep the number at 0, so only the value is judged.
        number = number * 10 + (c - '0');
        if (number > kMax) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(number);
    return true;
}

} // namespace calc
