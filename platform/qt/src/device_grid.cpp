#include "device_grid.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

QPoint Rounded(const QPointF& p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

} // namespace

// The device transform holds the device pixel ratio of whatever is painted
// on, the window's backing store or an image alike.
DeviceGrid GridOf(const QPainter& painter, QSize logicalSize) {
    const QTransform& toDevice = painter.deviceTransform();
    DeviceGrid grid;
    grid.ratio = toDevice.m11();
    grid.k = std::max(1, static_cast<int>(grid.ratio));
    grid.origin = toDevice.map(QPointF(0, 0));
    grid.first = Rounded(grid.origin);
    const QPoint past = Rounded(toDevice.map(QPointF(logicalSize.width(), logicalSize.height())));
    grid.size = QSize(past.x() - grid.first.x(), past.y() - grid.first.y());
    return grid;
}

// Pixel p lands on device pixel first + p * block: undo the logical scaling
// and offset, then scale by the block and start at the rounded corner.
QTransform GridTransform(const DeviceGrid& grid, int block, const QTransform& logical) {
    const qreal ratio = grid.ratio;
    const QTransform onGrid(block / ratio, 0, 0, block / ratio,
                            (grid.first.x() - grid.origin.x()) / ratio,
                            (grid.first.y() - grid.origin.y()) / ratio);
    return onGrid * logical;
}

} // namespace platform
