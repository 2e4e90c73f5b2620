#pragma once

#include "platform/surface.h"
#include "platform/win32/windows_api.h"

struct IAccPropServices;

namespace platform {
class Window;
} // namespace platform

// The window system's handles behind platform's objects, for tests and
// benchmarks that drive and inspect them.
namespace platform::win32 {

HWND HandleOf(const Window& window);

// Screen readers' annotations go to `services`, a test's own, from the next
// annotated window on; null returns them to the system's service.
void UseAnnotationServicesForTesting(IAccPropServices* services);

// A surface on any device context, `width` x `height` pixels at the block
// factor k: a bitmap in memory as well as a window.
class DcSurface : public Surface {
public:
    DcSurface(HDC dc, int width, int height, int k);
};

} // namespace platform::win32
