#pragma once

#include "platform/color.h"
#include "platform/pixel_rules.h"

#include <QPainter>
#include <QString>

class QWidget;

namespace platform {

enum class BackgroundMode { Opaque, Transparent };

// A drawing surface with the window system's pixel rules, over a QPainter:
// lines leave out their end pixel, frames lie on the outermost pixels, and
// everything is filled in whole logical pixels, so at a device pixel ratio of
// 2 each pixel is a crisp 2 x 2 block. Text uses the application's default
// font in black, with a white box behind it unless the mode is transparent.
class Surface {
public:
    Surface(QPainter& painter, const QRect& bounds);

    void Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight);
    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y);
    void SetPixel(std::int32_t x, std::int32_t y, ColorRef color);
    void SetBkMode(BackgroundMode mode);
    void TextOut(std::int32_t x, std::int32_t y, const QString& text);

private:
    QPainter& painter_;
    QRect bounds_;
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

// The widget's client area: left and top 0, right and bottom its size.
Rect ClientRect(const QWidget& widget);

} // namespace platform
