#include "platform/surface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

QPoint Rounded(const QPointF& p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

} // namespace

Surface::Surface(QPainter& painter, QSize logicalSize)
    : painter_(painter), logical_(painter.worldTransform()), logicalSize_(logicalSize) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // The device transform holds the device pixel ratio of whatever is
    // painted on, the window's backing store or an image alike.
    const QTransform& toDevice = painter_.deviceTransform();
    const qreal ratio = toDevice.m11();
    const int k = std::max(1, static_cast<int>(ratio));
    const QPointF origin = toDevice.map(QPointF(0, 0));
    const QPoint first = Rounded(origin);
    const QPoint past = Rounded(toDevice.map(QPointF(logicalSize.width(), logicalSize.height())));
    clip_ = QRect(0, 0, (past.x() - first.x()) / k, (past.y() - first.y()) / k);
    // Surface pixel p lands on device pixel first + p * k: undo the logical
    // scaling and offset, then scale by k and start at the rounded corner.
    const QTransform grid(k / ratio, 0, 0, k / ratio, (first.x() - origin.x()) / ratio,
                          (first.y() - origin.y()) / ratio);
    painter_.setWorldTransform(grid * logical_);
}

Rect Surface::ClientRect() const {
    return {0, 0, clip_.width(), clip_.height()};
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, clip_)) {
        painter_.fillRect(fill.area, ToQColor(fill.color));
    }
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    position_ = {x, y};
}

void Surface::LineTo(std::int32_t x, std::int32_t y, ColorRef color) {
    for (const QRect& area : LineAreas(position_, {x, y}, clip_)) {
        painter_.fillRect(area, ToQColor(color));
    }
    position_ = {x, y};
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    const QRect pixel = ClipArea(x, y, 1, 1, clip_);
    if (!pixel.isEmpty()) {
        painter_.fillRect(pixel, ToQColor(color));
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    backgroundMode_ = mode;
}

void Surface::TextOut(std::int32_t x, std::int32_t y, const QString& text) {
    const QRect bounds(QPoint(0, 0), logicalSize_);
    const QFontMetrics metrics(QApplication::font());
    // A cheap bound on the text's extent keeps far-away text from reaching
    // Qt; only an opaque background needs the exact width.
    const std::int64_t widest = std::int64_t{metrics.maxWidth()} * text.size();
    if (ClipArea(x, y, widest, metrics.height(), bounds).isEmpty()) {
        return;
    }
    const QTransform grid = painter_.worldTransform();
    painter_.setWorldTransform(logical_);
    painter_.setFont(QApplication::font());
    if (backgroundMode_ == BackgroundMode::Opaque) {
        painter_.fillRect(ClipArea(x, y, metrics.horizontalAdvance(text), metrics.height(), bounds),
                          Qt::white);
    }
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
    painter_.setWorldTransform(grid);
}

detail::WidgetPainter::WidgetPainter(QWidget* widget) : painter(widget) {}

PaintSurface::PaintSurface(QWidget* widget)
    : detail::WidgetPainter(widget), Surface(painter, widget->size()) {}

} // namespace platform
