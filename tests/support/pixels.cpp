#include "pixels.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace test {

QImage RenderOnWhite(QWidget& widget, qreal devicePixelRatio) {
    QImage image(widget.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage OnScreen(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
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
