#include "platform/surface.h"

#include "area_surface.h"
#include "native.h"
#include "page.h"

namespace platform {

// A surface on a painted control draws into its picture and shows the
// picture on the control's canvas when it is released. A surface on a
// dialog lays text and icons on its client area; it has no pixels of its
// own, so the pixel operations find nothing to draw on.
struct Surface::Native : AreaSurface {
    Native(Window::Native& window, bool fresh) : window(window) {
        if (window.kind != Window::Native::Kind::Painted) {
            vidad_clear_painting(window.element);
            return;
        }
        std::int32_t fitted[3] = {};
        vidad_fit_canvas(window.element, fitted);
        DrawOn(static_cast<PaintedNative&>(window).picture, fitted[0], fitted[1], fitted[2], fresh);
    }

    ~Native() override {
        if (picture) {
            vidad_put_pixels(window.element, picture->pixels.data(), picture->width,
                             picture->height);
        }
    }

    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    Window::Native& window;
};

AreaSurface& surface_hooks::AreaOf(Surface::Native& native) {
    return native;
}

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

// Text far outside the window is left to the page, which clips it.
void Surface::TextOut(std::int32_t x, std::int32_t y, std::u16string_view text) {
    vidad_text_out(native_->window.element, x, y, text.data(),
                   static_cast<std::int32_t>(text.size()),
                   native_->backgroundMode == BackgroundMode::Opaque);
}

void Surface::DrawIcon(std::int32_t x, std::int32_t y, const Icon& icon) {
    if (const Icon::Native* native = icon.GetNative()) {
        vidad_draw_icon(native_->window.element, x, y, native->id);
    }
}

PaintSurface::PaintSurface(Window& window)
    : Surface(std::make_unique<Native>(window.GetNative(), true)) {}

DrawingSurface::DrawingSurface(PaintedStatic& control)
    : Surface(std::make_unique<Native>(control.GetNative(), false)) {}

} // namespace platform
