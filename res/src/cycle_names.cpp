#include "res/cycle_names.h"

namespace res {

const char16_t* CycleName(std::int32_t kind) {
    switch (kind) {
    case 1:
        return u"智力周期";
    case 2:
        return u"情绪周期";
    case 3:
        return u"体力周期";
    default:
        return u"";
    }
}

} // namespace res
