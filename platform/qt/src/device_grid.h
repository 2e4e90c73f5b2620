#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QTransform>

namespace platform {

// Where a widget lies on the device its painter paints: the device pixels it
// covers, each edge rounded on its own, and the whole part of the device
// pixel ratio, k, at least 1.
struct DeviceGrid {
    QPointF origin; // the widget's top-left corner, unrounded
    qreal ratio = 1;
    QPoint first; // the device pixel of that corner
    QSize size;   // in device pixels
    int k = 1;

    bool operator==(const DeviceGrid& other) const {
        return first == other.first && size == other.size && k == other.k;
    }
};

// The grid of the painter's device for a widget of `logicalSize`.
DeviceGrid GridOf(const QPainter& painter, QSize logicalSize);

// The painter's transform that maps blocks of `block` x `block` device pixels
// onto the grid from its corner, given the painter's logical transform.
QTransform GridTransform(const DeviceGrid& grid, int block, const QTransform& logical);

} // namespace platform
