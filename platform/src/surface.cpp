#include "platform/surface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace platform {

Surface::Surface(QPainter& painter, const QRect& bounds) : painter_(painter), bounds_(bounds) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, bounds_)) {
        painter_.fillRect(fill.area, ToQColor(fill.color));
    }
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    position_ = {x, y};
}

void Surface::LineTo(std::int32_t x, std::int32_t y) {
    for (const QRect& area : LineAreas(position_, {x, y}, bounds_)) {
        painter_.fillRect(area, Qt::black);
    }
    position_ = {x, y};
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    const QRect pixel = ClipArea(x, y, 1, 1, bounds_);
    if (!pixel.isEmpty()) {
        painter_.fillRect(pixel, ToQColor(color));
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    backgroundMode_ = mode;
}

void Surface::TextOut(std::int32_t x, std::int32_t y, const QString& text) {
    painter_.setFont(QApplication::font());
    const QFontMetrics metrics(painter_.font());
    // A cheap bound on the text's extent keeps far-away text from reaching
    // Qt; only an opaque background needs the exact width.
    const std::int64_t widest = std::int64_t{metrics.maxWidth()} * text.size();
    if (ClipArea(x, y, widest, metrics.height(), bounds_).isEmpty()) {
        return;
    }
    if (backgroundMode_ == BackgroundMode::Opaque) {
        painter_.fillRect(
            ClipArea(x, y, metrics.horizontalAdvance(text), metrics.height(), bounds_), Qt::white);
    }
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

detail::WidgetPainter::WidgetPainter(QWidget* widget) : painter(widget) {}

PaintSurface::PaintSurface(QWidget* widget)
    : detail::WidgetPainter(widget), Surface(painter, widget->rect()) {}

Rect ClientRect(const QWidget& widget) {
    return {0, 0, widget.width(), widget.height()};
}

} // namespace platform
