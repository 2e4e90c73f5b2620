#pragma once

#include <string>
#include <string_view>

namespace platform::web {

// A field's text as the program's 8-bit code page holds it. A browser has
// no GBK encoder, and the program's parse tells only digits and spaces from
// everything else: ASCII characters keep their bytes, and every other
// character becomes one '?', a byte no parse accepts, as a character GBK
// cannot hold does on the other systems.
std::string ToCodePage(std::u16string_view text);

} // namespace platform::web
