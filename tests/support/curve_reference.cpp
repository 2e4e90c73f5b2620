#include "curve_reference.h"

#include "curve_pixels.h"
#include "platform/qt/color.h"

#include <QColor>
#include <QRect>
#include <cmath>

namespace test {

QImage CurveReference(QSize device, int k, std::int32_t kind, std::int32_t day) {
    QImage image(device, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const auto& [at, color] :
         CurvePixels(device.width() / k, device.height() / k, kind, day)) {
        const QColor qcolor = platform::ToQColor(color);
        for (int dy = 0; dy < k; ++dy) {
            for (int dx = 0; dx < k; ++dx) {
                image.setPixelColor(at.first * k + dx, at.second * k + dy, qcolor);
            }
        }
    }
    return image;
}

int BlockSize(double ratio) {
    return std::max(1, static_cast<int>(ratio));
}

QRect DeviceRect(const QRect& logical, double ratio) {
    const auto edge = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const int left = edge(logical.x());
    const int top = edge(logical.y());
    return QRect(left, top, edge(logical.x() + logical.width()) - left,
                 edge(logical.y() + logical.height()) - top);
}

} // namespace test
