#include "platform/qt/surface.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Drawing = std::function<void(platform::Surface&)>;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Draws on a 30 x 20 logical surface filled with `background`, at the ratio.
QImage Draw(const Drawing& drawing, qreal ratio = 1.0, QColor background = Qt::white) {
    QImage image(QSize(30, 20) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    {
        QPainter painter(&image);
        platform::qt::PainterSurface dc(painter, QSize(30, 20));
        drawing(dc);
    }
    image.setDevicePixelRatio(1.0);
    return image;
}

void FrameLineAndPixel(platform::Surface& dc) {
    dc.Draw3dRect({0, 0, 30, 20}, platform::Rgb(0, 20, 0), platform::Rgb(200, 0, 0));
    dc.MoveTo(0, 10);
    dc.LineTo(30, 10, 0);
    dc.MoveTo(7, 0);
    dc.LineTo(7, 20, 0);
    dc.SetPixel(12, 4, platform::Rgb(1, 2, 3));
}

TEST(Surface, PaintsExactlyThePixelsOfItsRules) {
    const QImage image = Draw(FrameLineAndPixel);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 20, 0));
    EXPECT_EQ(image.pixelColor(29, 0), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(0, 19), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(29, 10), Qt::black); // the line covers the frame
    EXPECT_EQ(image.pixelColor(7, 19), Qt::black);
    EXPECT_EQ(image.pixelColor(12, 4), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(1, 1), Qt::white);
    EXPECT_EQ(image.pixelColor(8, 9), Qt::white);
}

TEST(Surface, AtRatioTwoPaintsEveryPixelAsAWholeBlock) {
    const QImage single = Draw(FrameLineAndPixel, 1.0);
    const QImage doubled = Draw(FrameLineAndPixel, 2.0);
    EXPECT_EQ(doubled,
              single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    // A fractional ratio is best effort, but it still paints the frame corner.
    EXPECT_EQ(Draw(FrameLineAndPixel, 1.5).pixelColor(0, 0), QColor(0, 20, 0));
}

TEST(Surface, PaintsNothingForFarCoordinates) {
    const QImage image = Draw([](platform::Surface& dc) {
        const std::int32_t far[] = {kMin, -100, 30, 1000, 134217721, kMax};
        for (std::int32_t a : far) {
            for (std::int32_t b : far) {
                dc.SetPixel(a, b, 0);
                dc.MoveTo(a, b);
                dc.LineTo(a, b == kMin ? kMax : kMin, 0);
                dc.Draw3dRect({a, b, a, b}, 0, 0);
                dc.TextOut(a, b, u"远");
            }
        }
    });
    EXPECT_EQ(image, Draw([](platform::Surface&) {}));
}

TEST(Surface, DrawsTextOnAWhiteBoxUnlessTransparent) {
    const auto text = [](platform::BackgroundMode mode) {
        return Draw(
            [mode](platform::Surface& dc) {
                dc.SetBkMode(mode);
                dc.TextOut(0, 0, u"vidad");
            },
            1.0, Qt::gray);
    };
    const QImage opaque = text(platform::BackgroundMode::Opaque);
    const QImage transparent = text(platform::BackgroundMode::Transparent);
    EXPECT_EQ(opaque.pixelColor(0, 0), Qt::white);
    EXPECT_EQ(transparent.pixelColor(0, 0), QColor(Qt::gray));
    EXPECT_NE(transparent, Draw([](platform::Surface&) {}, 1.0, Qt::gray));
}

} // namespace
