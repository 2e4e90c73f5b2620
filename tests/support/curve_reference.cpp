#include "curve_reference.h"

#include "calc/cycles.h"
#include "platform/qt/color.h"
#include "ui/mynew.h"

#include <QColor>
#include <QRect>
#include <cmath>

namespace test {
namespace {

class Blocks {
public:
    Blocks(QImage& image, int k, int w, int h) : image_(image), k_(k), w_(w), h_(h) {}

    void Set(std::int64_t x, std::int64_t y, const QColor& color) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) {
            return;
        }
        for (int dy = 0; dy < k_; ++dy) {
            for (int dx = 0; dx < k_; ++dx) {
                image_.setPixelColor(static_cast<int>(x) * k_ + dx, static_cast<int>(y) * k_ + dy,
                                     color);
            }
        }
    }

private:
    QImage& image_;
    int k_, w_, h_;
};

std::int32_t PeriodOf(std::int32_t kind) {
    for (const calc::CycleFacts& cycle : calc::kCycles) {
        if (cycle.kind == kind) {
            return cycle.period;
        }
    }
    return 0;
}

} // namespace

QImage CurveReference(QSize device, int k, std::int32_t kind, std::int32_t day) {
    QImage image(device, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int w = device.width() / k;
    const int h = device.height() / k;
    Blocks blocks(image, k, w, h);
    const QColor frame = platform::ToQColor(mynew::kFrameColor);
    const QColor line = platform::ToQColor(mynew::kLineColor);
    for (int x = 0; x < w; ++x) {
        blocks.Set(x, 0, frame);
        blocks.Set(x, h - 1, frame);
    }
    for (int y = 0; y < h; ++y) {
        blocks.Set(0, y, frame);
        blocks.Set(w - 1, y, frame);
    }
    for (int x = 0; x < w; ++x) {
        blocks.Set(x, h / 2, line);
    }
    for (int x = 0; x < w; ++x) {
        const double s = std::sin(-x * 6.28318 / w);
        blocks.Set(x, static_cast<std::int64_t>(h / 2 + (h - 4) * s / 2.0), line);
    }
    if (const std::int32_t period = PeriodOf(kind)) {
        const std::uint32_t mx = static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(day) /
                                 static_cast<std::uint32_t>(period);
        for (int y = 0; y < h; ++y) {
            blocks.Set(static_cast<std::int32_t>(mx), y, line);
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
