#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes one character (one code unit, or a surrogate pair) has in the
// code page, or none where the code page does not hold exactly that
// character.
using EncodeCharacter = std::function<std::optional<std::string>(std::u16string_view)>;

// A field's text in the program's code page, as the parse is handed it:
// ASCII keeps its bytes, a character the code page holds becomes its bytes,
// and every other character, a lone surrogate too, becomes one '?', a byte
// no parse accepts. A character is never dropped and never turned into a
// look-alike, so the number the parse finds is always the one the field
// shows.
std::string ToCodePageBytes(std::u16string_view text, const EncodeCharacter& encode);

} // namespace platform
