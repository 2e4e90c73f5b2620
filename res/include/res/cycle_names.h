#pragma once

#include <cstdint>

namespace res {

// The name of a cycle in its label and for screen readers, by its kind as
// the calculation numbers them: 1 intellect, 2 emotion, 3 physical. Empty
// for any other value.
const char16_t* CycleName(std::int32_t kind);

} // namespace res
