#include "area_surface.h"

#include "platform/pixel_rules.h"

namespace platform {

using surface_hooks::AreaOf;

void AreaSurface::DrawOn(Picture& control, std::int32_t deviceWidth, std::int32_t deviceHeight,
                         int k, bool fresh) {
    picture = &control;
    picture->Fit(deviceWidth, deviceHeight, k, fresh);
    clip = picture->ClientRect();
}

void AreaSurface::FillArea(const Rect& area, ColorRef color) {
    picture->Fill(area, color);
}

Rect Surface::ClientRect() const {
    return AreaOf(*native_).clip;
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    AreaSurface& area = AreaOf(*native_);
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, area.clip)) {
        area.FillArea(fill.area, fill.color);
    }
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    AreaOf(*native_).position = {x, y};
}

void Surface::LineTo(std::int32_t x, std::int32_t y, ColorRef color) {
    AreaSurface& area = AreaOf(*native_);
    for (const Rect& pixels : LineAreas(area.position, {x, y}, area.clip)) {
        area.FillArea(pixels, color);
    }
    area.position = {x, y};
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    AreaSurface& area = AreaOf(*native_);
    const Rect pixel = ClipArea(x, y, 1, 1, area.clip);
    if (!IsEmpty(pixel)) {
        area.FillArea(pixel, color);
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    AreaOf(*native_).backgroundMode = mode;
}

// Drawing on the control's picture lands on top of what it shows, and an
// earlier drawing stays until the control is repainted whole.
void DrawNow(PaintedStatic& control, const std::function<void(Surface&)>& draw) {
    DrawingSurface dc(control);
    draw(dc);
}

} // namespace platform
