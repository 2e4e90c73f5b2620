#include "platform/resources.h"

#include "native.h"

namespace platform {
namespace {

HICON LoadSized(int id, int width, int height) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, width, height, LR_SHARED));
}

} // namespace

// The group's image nearest each size the window system asks for; shared,
// so the system keeps them for the program's life.
Icon LoadIcon(int id) {
    const HICON big = LoadSized(id, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    const HICON small = LoadSized(id, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    return Icon(std::make_shared<const Icon::Native>(Icon::Native{big, small}));
}

} // namespace platform
