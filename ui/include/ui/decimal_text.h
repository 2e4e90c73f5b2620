#pragma once

#include <cstdint>
#include <string>

// A number in decimal digits, with a minus sign when negative.
std::u16string DecimalText(std::int64_t value);
