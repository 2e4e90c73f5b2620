#pragma once

namespace platform {

// Registers the window system's common controls before any dialog exists,
// so that dialogs draw their controls in the current desktop look.
void InitCommonControls();

} // namespace platform
