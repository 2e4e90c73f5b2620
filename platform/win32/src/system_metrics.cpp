#include "platform/system_metrics.h"

#include "platform/win32/windows_api.h"

namespace platform {

int GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

} // namespace platform
