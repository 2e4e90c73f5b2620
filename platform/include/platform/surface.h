#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <functional>
#include <memory>
#include <string_view>

namespace platform {

class Icon;
class PaintedStatic;
class Window;

enum class BackgroundMode { Opaque, Transparent };

// A drawing surface with the window system's pixel rules.
//
// Frames, lines and pixels land on the device's own pixel grid: the area
// spans the window's rectangle with each device edge rounded on its own, and
// is drawn in k x k blocks, k being the whole part of the device pixel ratio
// (the screen's pixels per inch / 96; at least 1). The client rectangle these
// operations see is that area's size divided by k. So every line is one
// device pixel wide from ratio 1 to 1.75, two from 2 to 2.75, and no
// fractional scaling ever decides a pixel.
//
// Text is placed in logical pixels (1/96 inch), in the surface's default
// font and black, with a white box behind it unless the mode is transparent.
// Icons are placed in the window's client coordinates.
class Surface {
public:
    struct Native;

    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Left and top 0; right and bottom in the surface's pixels.
    Rect ClientRect() const;

    void Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight);
    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y, ColorRef color);
    void SetPixel(std::int32_t x, std::int32_t y, ColorRef color);
    void SetBkMode(BackgroundMode mode);
    void TextOut(std::int32_t x, std::int32_t y, std::u16string_view text);
    // The icon at the standard icon size, its top-left corner at (x, y).
    void DrawIcon(std::int32_t x, std::int32_t y, const Icon& icon);

    Native& GetNative() const { return *native_; }

protected:
    explicit Surface(std::unique_ptr<Native> native);

private:
    std::unique_ptr<Native> native_;
};

// The surface of a window's paint request, held for the scope of its OnPaint.
class PaintSurface : public Surface {
public:
    explicit PaintSurface(Window& window);
};

// Draws on the control at once, outside a paint request, over what it
// shows: an earlier drawing stays until the control is repainted.
void DrawNow(PaintedStatic& control, const std::function<void(Surface&)>& draw);

} // namespace platform
