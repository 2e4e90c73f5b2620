#pragma once

#include "platform/resources.h"

#include <span>

namespace res {

// The program's strings by id.
extern const std::span<const platform::StringResource> kStringTable;

} // namespace res
