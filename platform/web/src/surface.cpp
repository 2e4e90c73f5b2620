#include "platform/surface.h"

#include "native.h"
#include "page.h"
#include "platform/pixel_rules.h"

#include <algorithm>

namespace platform {
namespace {

// A colour as the canvas's RGBA bytes, opaque.
std::uint32_t ToRgba(ColorRef color) {
    return (color & 0x00FFFFFF) | 0xFF000000;
}

} // namespace

// A surface on a painted control draws into its picture, each surface pixel
// a k x k block of device pixels, and shows the picture when it is released.
// A surface on a dialog lays text and icons on its client area; it has no
// pixels of its own, so the pixel operations find nothing to draw on.
struct Surface::Native {
    Native(Window::Native& window, bool fresh) : window(window) {
        if (window.kind != Window::Native::Kind::Painted) {
            vidad_clear_painting(window.element);
            return;
        }
        picture = &static_cast<PaintedNative&>(window);
        std::int32_t fitted[3] = {};
        vidad_fit_canvas(window.element, fitted);
        const auto [width, height, block] = fitted;
        if (fresh || width != picture->width || height != picture->height || block != picture->k) {
            picture->width = width;
            picture->height = height;
            picture->pixels.assign(static_cast<std::size_t>(width) * height, 0);
        }
        picture->k = block;
        clip = {0, 0, width / block, height / block};
    }

    ~Native() {
        if (picture) {
            vidad_put_pixels(window.element, picture->pixels.data(), picture->width,
                             picture->height);
        }
    }

    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    void Fill(const Rect& area, ColorRef color) {
        const std::uint32_t rgba = ToRgba(color);
        const int k = picture->k;
        for (std::int32_t y = area.top * k; y < area.bottom * k; ++y) {
            std::uint32_t* row =
                picture->pixels.data() + static_cast<std::size_t>(y) * picture->width;
            std::fill(row + area.left * k, row + area.right * k, rgba);
        }
    }

    Window::Native& window;
    PaintedNative* picture = nullptr;
    Rect clip;
    Point position;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

Rect Surface::ClientRect() const {
    return native_->clip;
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, native_->clip)) {
        native_->Fill(fill.area, fill.color);
    }
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    native_->position = {x, y};
}

void Surface::LineTo(std::int32_t x, std::int32_t y, ColorRef color) {
    for (const Rect& area : LineAreas(native_->position, {x, y}, native_->clip)) {
        native_->Fill(area, color);
    }
    native_->position = {x, y};
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    const Rect pixel = ClipArea(x, y, 1, 1, native_->clip);
    if (!IsEmpty(pixel)) {
        native_->Fill(pixel, color);
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    native_->backgroundMode = mode;
}

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

namespace {

class ControlSurface : public Surface {
public:
    explicit ControlSurface(PaintedStatic& control)
        : Surface(std::make_unique<Native>(control.GetNative(), false)) {}
};

} // namespace

// The page's canvas keeps what it shows, so drawing lands on top of it at
// once, as on the window system.
void DrawNow(PaintedStatic& control, const std::function<void(Surface&)>& draw) {
    ControlSurface dc(control);
    draw(dc);
}

} // namespace platform
