#include "text.h"

#include "code_page_text.h"

namespace platform::web {

std::string ToCodePage(std::u16string_view text) {
    return ToCodePageBytes(text, [](std::u16string_view) { return std::nullopt; });
}

} // namespace platform::web
