#pragma once

#include "platform/color.h"
#include "platform/pixel_rules.h"

#include <QPainter>
#include <QString>

class QWidget;

namespace platform {

enum class BackgroundMode { Opaque, Transparent };

// A drawing surface with the window system's pixel rules, over a QPainter
// whose transform maps the widget's logical pixels onto the device.
//
// Frames, lines and pixels land on the device's own pixel grid: the area
// spans the widget's rectangle with each device edge rounded on its own, and
// is drawn in k x k blocks, k being the whole part of the device pixel ratio
// (at least 1). The client rectangle these operations see is that area's
// size divided by k. So every line is one device pixel wide from ratio 1 to
// 1.75, two from 2 to 2.75, and no fractional scaling ever decides a pixel.
//
// Text is placed in the widget's logical pixels, in the application's default
// font and black, with a white box behind it unless the mode is transparent.
class Surface {
public:
    Surface(QPainter& painter, QSize logicalSize);

    // Left and top 0; right and bottom in the surface's pixels.
    Rect ClientRect() const;

    void Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight);
    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y, ColorRef color);
    void SetPixel(std::int32_t x, std::int32_t y, ColorRef color);
    void SetBkMode(BackgroundMode mode);
    void TextOut(std::int32_t x, std::int32_t y, const QString& text);

private:
    QPainter& painter_;
    QTransform logical_;
    QSize logicalSize_;
    QRect clip_;
    Point position_;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
};

namespace detail {
struct WidgetPainter {
    explicit WidgetPainter(QWidget* widget);
    QPainter painter;
};
} // namespace detail

// The surface of a widget's paint event, held for the scope of the handler.
// The painter is a base so that it exists before the surface refers to it.
class PaintSurface : private detail::WidgetPainter, public Surface {
public:
    explicit PaintSurface(QWidget* widget);
};

} // namespace platform
