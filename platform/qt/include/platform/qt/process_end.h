#pragma once

namespace platform {

// Over Wayland, ends the process at once with the status, its output
// flushed, before the application object tears its connection down; Qt 6.4's
// Wayland client can deadlock in that teardown and leave the process running
// for ever with no window. Elsewhere it returns and the teardown runs as usual.
void EndBeforeWaylandTeardown(int status);

} // namespace platform
