#pragma once

#include <cstdint>

namespace res {

// The name of a cycle in its label and for screen readers, by its
// calc::CycleKind. Empty for any other value.
const char16_t* CycleName(std::int32_t kind);

} // namespace res
