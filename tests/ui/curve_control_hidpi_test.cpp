#include "pixels.h"
#include "platform/qt/access.h"
#include "ui/mynew.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CurveControlAtRatioTwo, IsTheRatioOnePictureDoubled) {
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    curve.SetKind(2);
    curve.SetEmotionDay(10);
    view.resize(210, 41);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_EQ(view.devicePixelRatio(), 2.0);

    const QImage single = test::RenderOnWhite(view, 1.0);
    const QImage doubledGrab = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(doubledGrab.size(), QSize(420, 82));
    // Compare on the control's own pixels: what lies behind it is the window's.
    QImage doubled =
        single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int y = 0; y < 82; ++y) {
        for (int x = 0; x < 420; ++x) {
            if (doubled.pixelColor(x, y) != test::kWhite) {
                ASSERT_EQ(doubledGrab.pixelColor(x, y), doubled.pixelColor(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(test::FullHeightColumns(doubledGrab, test::kBlack), (QList<int>{150, 151}));
}

} // namespace
