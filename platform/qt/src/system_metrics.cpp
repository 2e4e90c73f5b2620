#include "platform/system_metrics.h"

#include "native.h"

namespace platform {

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

} // namespace platform
