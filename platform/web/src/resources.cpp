#include "platform/resources.h"

#include "native.h"

namespace platform {

// The page holds each icon group's images beside it, by id and size.
Icon LoadIcon(int id) {
    return Icon(std::make_shared<const Icon::Native>(Icon::Native{id}));
}

} // namespace platform
