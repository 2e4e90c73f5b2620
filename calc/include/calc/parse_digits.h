#pragma once

#include <cstdint>
#include <string>

namespace calc {

// Turns one date field's GBK text into a non-negative number. Spaces anywhere
// are ignored; anything else but the ASCII digits fails the parse, as does an
// empty text or a number above 2147483647. `value` is written only on success.
bool ParseDigits(std::string text, std::int32_t& value);

} // namespace calc
