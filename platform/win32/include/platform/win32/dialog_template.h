#pragma once

#include "platform/dialog_template.h"

#include <cstdint>
#include <vector>

namespace platform::win32 {

// The template as the window system's dialog manager reads it: an extended
// dialog template (DLGTEMPLATEEX) with its items, in 16-bit words.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialog);

} // namespace platform::win32
