#include "platform/resources.h"

#include "native.h"

namespace platform {

// An icon is its id: there is nothing to show it on.
Icon LoadIcon(int id) {
    return Icon(std::make_shared<const Icon::Native>(Icon::Native{id}));
}

} // namespace platform
