#pragma once

#include "platform/surface.h"

namespace platform {

// A surface whose backend draws by filling whole areas of its pixels (Qt,
// the page, the null backend): the frame, lines and pixels follow the pixel
// rules here, once for all of them. The backend's Surface::Native derives
// from it.
struct AreaSurface {
    virtual ~AreaSurface() = default;

    // Fills an area of the surface's pixels that lies within `clip`.
    virtual void FillArea(const Rect& area, ColorRef color) = 0;

    Rect clip;
    Point position;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

// A surface that draws on the control's kept picture, over what it shows,
// and shows the picture when it is released; the backend defines it.
class DrawingSurface : public Surface {
public:
    explicit DrawingSurface(PaintedStatic& control);
};

namespace surface_hooks {

// The backend's own surface as the shared drawing sees it.
AreaSurface& AreaOf(Surface::Native& native);

} // namespace surface_hooks

} // namespace platform
