#include "res/cycle_names.h"

namespace res {

const char* CycleName(std::int32_t kind) {
    switch (kind) {
    case 1:
        return "智力周期";
    case 2:
        return "情绪周期";
    case 3:
        return "体力周期";
    default:
        return "";
    }
}

} // namespace res
