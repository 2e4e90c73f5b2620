#include "res/cycle_names.h"

#include "calc/cycles.h"

namespace res {

const char16_t* CycleName(std::int32_t kind) {
    switch (kind) {
    case calc::kIntellect:
        return u"智力周期";
    case calc::kEmotion:
        return u"情绪周期";
    case calc::kPhysical:
        return u"体力周期";
    default:
        return u"";
    }
}

} // namespace res
