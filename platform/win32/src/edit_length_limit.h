#pragma once

#include "platform/win32/windows_api.h"

namespace platform {

// An edit control cuts a paste or an input method's result at its length
// limit, which can leave a different number in the field than the one
// pasted. With this, such an insertion that does not fit is refused whole.
// Typed keys keep the edit's own handling: one that does not fit is refused
// alone.
void LimitEditWhole(HWND edit);

} // namespace platform
