#pragma once

#include "platform/qt/color.h"
#include "ui/mynew.h"

#include <QColor>
#include <QImage>

class QWidget;

namespace test {

inline const QColor kBlack = platform::ToQColor(mynew::kLineColor);
inline const QColor kFrameGreen = platform::ToQColor(mynew::kFrameColor);
inline const QColor kWhite(255, 255, 255);

// Paints `widget` as it paints itself onto white, at the given device pixel
// ratio, and returns the result in device pixels.
QImage RenderOnWhite(QWidget& widget, qreal devicePixelRatio = 1.0);

// What a shown top-level widget last sent to the screen, in device pixels,
// without repainting.
QImage OnScreen(QWidget& window);

// Rows of column `x` (or columns of row `y`) that hold `color`.
QList<int> RowsWith(const QImage& image, int x, const QColor& color);
QList<int> ColumnsWith(const QImage& image, int y, const QColor& color);

// Columns that are `color` from the top row to the bottom row.
QList<int> FullHeightColumns(const QImage& image, const QColor& color);

} // namespace test
