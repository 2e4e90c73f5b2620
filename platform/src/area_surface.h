#pragma once

#include "picture.h"
#include "platform/surface.h"

namespace platform {

// A surface whose backend draws by filling whole areas of its pixels (Qt,
// the page, the null backend): the frame, lines and pixels follow the pixel
// rules here, once for all of them. The backend's Surface::Native derives
// from it.
struct AreaSurface {
    virtual ~AreaSurface() = default;

    // Draws on a painted control's picture from now on, fitted to the
    // device pixels the control covers; `fresh` starts it empty.
    void DrawOn(Picture& control, std::int32_t deviceWidth, std::int32_t deviceHeight, int k,
                bool fresh);

    // Fills an area of the surface's pixels that lies within `clip`: by
    // default on the picture.
    virtual void FillArea(const Rect& area, ColorRef color);

    Picture* picture = nullptr;
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
