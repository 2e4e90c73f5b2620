#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

namespace test {

// What the curve control should show, worked out here on its own: the frame,
// axis, sine and marker computed on a client rectangle of `device` / k, each
// of its pixels a k x k block of device pixels. Pixels the control leaves
// alone are transparent.
QImage CurveReference(QSize device, int k, std::int32_t kind, std::int32_t day);

// k for a device pixel ratio: its whole part, at least 1.
int BlockSize(double ratio);

// The control's rectangle in the window's device pixels: each edge of its
// logical rectangle scaled and rounded on its own.
QRect DeviceRect(const QRect& logical, double ratio);

} // namespace test
