#include "platform/system_metrics.h"

#include "native.h"

namespace platform {

int GetSystemMetrics(int index) {
    return index == sm::kCxIcon || index == sm::kCyIcon ? kIconSize : 0;
}

} // namespace platform
