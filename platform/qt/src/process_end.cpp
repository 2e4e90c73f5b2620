#include "platform/qt/process_end.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace platform {

// Closing the connection stops the client's event thread, which can quit while
// holding a read it was handed; the thread that reads frame callbacks then
// waits for that read for ever. The compositor drops the windows with the
// connection, so nothing is lost by not tearing it down.
void EndBeforeWaylandTeardown(int status) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

} // namespace platform
