#include "platform/surface.h"

#include "area_surface.h"
#include "native.h"

namespace platform {

// A surface on a painted control draws on its picture, one device pixel per
// pixel; a dialog's has no pixels, and no text or icons either.
struct Surface::Native : AreaSurface {
    Native(Window::Native& window, bool fresh) {
        if (window.kind != Window::Native::Kind::Painted) {
            return;
        }
        DrawOn(static_cast<PaintedNative&>(window).picture, window.area.right - window.area.left,
               window.area.bottom - window.area.top, 1, fresh);
    }
};

AreaSurface& surface_hooks::AreaOf(Surface::Native& native) {
    return native;
}

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

void Surface::TextOut(std::int32_t, std::int32_t, std::u16string_view) {}

void Surface::DrawIcon(std::int32_t, std::int32_t, const Icon&) {}

PaintSurface::PaintSurface(Window& window)
    : Surface(std::make_unique<Native>(window.GetNative(), true)) {}

DrawingSurface::DrawingSurface(PaintedStatic& control)
    : Surface(std::make_unique<Native>(control.GetNative(), false)) {}

} // namespace platform
