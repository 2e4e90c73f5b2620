#include "pixels.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace test {

QImage RenderOnWhite(QWidget& widget, qreal devicePixelRatio) {
    QImage image(widget.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The window's backing store is the image Qt hands the window system, on every
// platform: a screen grab works on X11 but not on Wayland, where a client may
// not read the screen. Raster backing stores paint into a QImage, and between
// paints it holds the last frame sent.
QImage OnScreen(QWidget& window) {
    QBackingStore* store = window.backingStore();
    const auto* image = store ? dynamic_cast<const QImage*>(store->paintDevice()) : nullptr;
    if (!image) {
        ADD_FAILURE() << "the window paints into no image";
        return {};
    }
    QImage copy = image->convertToFormat(QImage::Format_RGB32).copy();
    copy.setDevicePixelRatio(1.0);
    return copy;
}

QList<int> RowsWith(const QImage& image, int x, const QColor& color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == color) {
            rows.append(y);
        }
    }
    return rows;
}

QList<int> ColumnsWith(const QImage& image, int y, const QColor& color) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == color) {
            columns.append(x);
        }
    }
    return columns;
}

QList<int> FullHeightColumns(const QImage& image, const QColor& color) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (RowsWith(image, x, color).size() == image.height()) {
            columns.append(x);
        }
    }
    return columns;
}

} // namespace test
