#include "field_texts.h"

#include "res/resource.h"

#include <sstream>
#include <stdexcept>

namespace {

constexpr char kTable[] =
#include "field_texts_data.inc"
    ;

// A UTF-16 code unit, or a code point above them as its surrogate pair.
void Append(std::u16string& text, unsigned long value) {
    if (value < 0x10000) {
        text += static_cast<char16_t>(value);
        return;
    }
    value -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (value >> 10));
    text += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
}

// Decodes UTF-8 and the \u{X} escapes.
std::u16string Decode(const std::string& text) {
    std::u16string decoded;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "\\u{") == 0) {
            const std::size_t end = text.find('}', i);
            Append(decoded, std::stoul(text.substr(i + 3, end - i - 3), nullptr, 16));
            i = end + 1;
            continue;
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned long value = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        Append(decoded, value);
        i += static_cast<std::size_t>(length);
    }
    return decoded;
}

int FieldId(const std::string& name) {
    if (name == "year") {
        return IDC_EDIT_YEAR;
    }
    if (name == "month") {
        return IDC_EDIT_MONTH;
    }
    if (name == "day") {
        return IDC_EDIT_DAY;
    }
    throw std::invalid_argument("no field " + name);
}

std::vector<FieldText> Parse() {
    std::vector<FieldText> cases;
    std::istringstream lines(kTable);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream columns(line);
        std::string verdict, field, text, what;
        std::getline(columns, verdict, '\t');
        std::getline(columns, field, '\t');
        std::getline(columns, text, '\t');
        std::getline(columns, what);
        if (verdict != "takes" && verdict != "refuses") {
            throw std::invalid_argument("no verdict " + verdict);
        }
        cases.push_back({verdict == "takes", FieldId(field), Decode(text), what});
    }
    return cases;
}

} // namespace

const std::vector<FieldText>& FieldTexts() {
    static const std::vector<FieldText> cases = Parse();
    return cases;
}
