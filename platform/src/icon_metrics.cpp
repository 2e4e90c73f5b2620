#include "icon_size.h"
#include "platform/system_metrics.h"

namespace platform {

int GetSystemMetrics(int index) {
    return index == sm::kCxIcon || index == sm::kCyIcon ? kIconSize : 0;
}

} // namespace platform
