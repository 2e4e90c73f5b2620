#include "calc/cycles.h"
#include "curve_pixels.h"
#include "curve_reference.h"
#include "pixels.h"
#include "platform/qt/access.h"
#include "ui/mynew.h"

#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using test::kBlack;
using test::kFrameGreen;
using test::kWhite;

QImage Render(mynew& curve, int width, int height) {
    QWidget& view = platform::qt::WidgetOf(curve);
    view.resize(width, height);
    return test::RenderOnWhite(view);
}

// Rows of column x that the curve takes, leaving out the axis row.
QList<int> CurveRows(const QImage& image, int x, int axis) {
    QList<int> rows = test::RowsWith(image, x, kBlack);
    rows.removeAll(axis);
    return rows;
}

TEST(CurveControl, IsAStaticControlNamedMynew) {
    mynew curve;
    const QWidget& view = platform::qt::WidgetOf(curve);
    EXPECT_EQ(platform::qt::ClassNameOf(view), "mynew");
    EXPECT_NE(qobject_cast<const QLabel*>(&view), nullptr);
}

TEST(CurveControl, PaintsFrameAxisAndCurveButNoMarkerWhenFresh) {
    mynew curve;
    auto& view = static_cast<QLabel&>(platform::qt::WidgetOf(curve));
    view.setText("placeholder");
    view.setFrameStyle(QFrame::Box);
    const QImage image = Render(curve, 210, 41);

    EXPECT_EQ(test::ColumnsWith(image, 0, kFrameGreen).size(), 210);
    EXPECT_EQ(test::ColumnsWith(image, 40, kFrameGreen).size(), 210);
    EXPECT_EQ(test::RowsWith(image, 0, kFrameGreen).size(), 40); // the axis takes one
    EXPECT_EQ(test::RowsWith(image, 209, kFrameGreen).size(), 40);
    EXPECT_EQ(test::ColumnsWith(image, 20, kBlack).size(), 210);
    EXPECT_TRUE(test::FullHeightColumns(image, kBlack).isEmpty());

    const struct { int x, y; } kCurve[] = {{1, 19}, {2, 18}, {52, 1}, {105, 19}, {157, 38}};
    for (const auto& point : kCurve) {
        EXPECT_EQ(CurveRows(image, point.x, 20), QList<int>{point.y}) << "column " << point.x;
    }
    // Columns 0 and 209 have their curve pixel on the axis row.
    EXPECT_TRUE(CurveRows(image, 0, 20).isEmpty());
    EXPECT_TRUE(CurveRows(image, 209, 20).isEmpty());
    int offAxis = 0;
    for (int x = 0; x < 210; ++x) {
        const QList<int> rows = CurveRows(image, x, 20);
        ASSERT_LE(rows.size(), 1) << "column " << x;
        offAxis += static_cast<int>(rows.size());
        // Nothing but frame, axis and curve: the label's text and frame never show.
        for (int y = 1; y < 40; ++y) {
            const QColor c = image.pixelColor(x, y);
            ASSERT_TRUE(c == kWhite || c == kBlack || (c == kFrameGreen && (x == 0 || x == 209)))
                << x << "," << y;
        }
    }
    EXPECT_GT(offAxis, 200);
}

TEST(CurveControl, TruncatesTheCurveAndUsesItsOwnAngleFactor) {
    mynew curve;
    const QImage image = Render(curve, 200, 40);
    EXPECT_EQ(CurveRows(image, 150, 20), QList<int>{37}); // 37.99999999986
    EXPECT_EQ(CurveRows(image, 50, 20), QList<int>{2});
    EXPECT_EQ(CurveRows(image, 2, 20), QList<int>{18}); // 18.87
}

struct Marker {
    const char* what;
    std::int32_t kind;
    void (mynew::*setter)(std::int32_t);
    std::int32_t day;
    QList<int> columns; // full-height black columns; empty for no marker
};

void PrintTo(const Marker& m, std::ostream* out) {
    *out << m.what;
}

const Marker kMarkers[] = {
    {"intellect day 10", 1, &mynew::SetIntellectDay, 10, {65}},
    {"emotion day 10", 2, &mynew::SetEmotionDay, 10, {75}},
    {"physical day 10", 3, &mynew::SetPhysicalDay, 10, {91}},
    {"intellect day 0 on the left frame column", 1, &mynew::SetIntellectDay, 0, {0}},
    {"intellect day 31", 1, &mynew::SetIntellectDay, 31, {203}},
    {"emotion day 27", 2, &mynew::SetEmotionDay, 27, {202}},
    {"physical day 22", 3, &mynew::SetPhysicalDay, 22, {200}},
    {"no kind", 0, &mynew::SetIntellectDay, 10, {}},
    {"kind 4", 4, &mynew::SetIntellectDay, 10, {}},
    {"negative kind", -1, &mynew::SetIntellectDay, 10, {}},
    {"day set for another kind", 1, &mynew::SetEmotionDay, 10, {0}},
    {"intellect day -1", 1, &mynew::SetIntellectDay, -1, {}},
    {"emotion day -1", 2, &mynew::SetEmotionDay, -1, {}},
    {"physical day -1", 3, &mynew::SetPhysicalDay, -1, {}},
    {"physical day -25", 3, &mynew::SetPhysicalDay, -25, {}},
};

class Markers : public testing::TestWithParam<Marker> {};

TEST_P(Markers, StandAtTheDaysShareOfTheWidth) {
    const Marker& m = GetParam();
    mynew curve;
    curve.SetKind(m.kind);
    (curve.*m.setter)(m.day);
    const QImage image = Render(curve, 210, 41);
    EXPECT_EQ(test::FullHeightColumns(image, kBlack), m.columns);
    EXPECT_EQ(test::ColumnsWith(image, 20, kBlack).size(), 210); // the rest is drawn
}

INSTANTIATE_TEST_SUITE_P(Days, Markers, testing::ValuesIn(kMarkers));

TEST(CurveReference, KeepsThePeriodsAndAngleFactorTheProductHas) {
    EXPECT_EQ(test::kCurveAngleFactor, mynew::kAngleFactor);
    for (std::int32_t kind = -1; kind <= 4; ++kind) {
        const calc::CycleFacts* cycle = calc::FindCycle(kind);
        EXPECT_EQ(test::CyclePeriod(kind), cycle ? cycle->period : 0) << "kind " << kind;
    }
}

TEST(CurveControl, SurvivesEverySmallSize) {
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    curve.SetKind(3);
    curve.SetPhysicalDay(5);
    for (int w = 0; w <= 6; ++w) {
        for (int h = 0; h <= 6; ++h) {
            view.resize(w, h);
            view.grab();
        }
    }
    const QImage empty = Render(curve, 0, 0);
    EXPECT_TRUE(empty.isNull() || empty.size().isEmpty());
}

TEST(CurveControl, LaysTheCurveOnTheAxisWhenFourPixelsHigh) {
    mynew curve;
    const QImage image = Render(curve, 50, 4);
    EXPECT_EQ(test::ColumnsWith(image, 2, kBlack).size(), 50);
    for (int x = 1; x < 49; ++x) {
        EXPECT_EQ(test::RowsWith(image, x, kBlack), QList<int>{2}) << "column " << x;
    }
}

// Below four rows the amplitude turns negative and the curve is mirrored: its
// second half, which dips below the axis in a taller control, rises above it.
TEST(CurveControl, MirrorsTheCurveBelowFourPixelsHigh) {
    mynew curve;
    for (int h = 2; h < 4; ++h) {
        const QImage image = Render(curve, 50, h);
        for (int x = 1; x < 49; ++x) {
            const QList<int> expected = x <= 25 ? QList<int>{1} : QList<int>{0, 1};
            EXPECT_EQ(test::RowsWith(image, x, kBlack), expected) << h << " high, column " << x;
        }
    }
}

struct Scale {
    qreal ratio;
    int k; // device pixels per control pixel
};

void PrintTo(const Scale& s, std::ostream* out) {
    *out << "ratio " << s.ratio;
}

const Scale kScales[] = {{1, 1}, {1.25, 1}, {1.5, 1}, {1.75, 1}, {2, 2}, {2.5, 2}, {3, 3}};

class ScaleFactors : public testing::TestWithParam<Scale> {};

// The emotion curve where the dialog puts it, rendered at each device pixel
// ratio, equals the picture worked out on the device's own pixel grid: lines
// one block of k device pixels wide, nothing else touched.
TEST_P(ScaleFactors, DrawOnTheDevicePixelGridInWholeBlocks) {
    const Scale& s = GetParam();
    ASSERT_EQ(test::BlockSize(s.ratio), s.k);
    const QRect logical(141, 140, 209, 41);
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    curve.SetKind(2);
    curve.SetEmotionDay(10);
    view.resize(logical.size());
    QImage image(QSize(360, 237) * s.ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(s.ratio);
    image.fill(kWhite);
    view.render(&image, logical.topLeft(), QRegion(), QWidget::DrawChildren);
    image.setDevicePixelRatio(1);

    const QRect device = test::DeviceRect(logical, s.ratio);
    const QImage expected = test::CurveReference(device.size(), s.k, 2, 10);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint p(x, y);
            const QColor want =
                device.contains(p) && expected.pixelColor(p - device.topLeft()).alpha()
                    ? expected.pixelColor(p - device.topLeft())
                    : kWhite;
            differing += image.pixelColor(p) != want;
        }
    }
    EXPECT_EQ(differing, 0) << "device rectangle " << device.x() << "," << device.y() << " "
                            << device.width() << "x" << device.height();
}

INSTANTIATE_TEST_SUITE_P(Ratios, ScaleFactors, testing::ValuesIn(kScales));

// A marker drawn at once lands on what the control shows, so an earlier one
// stays beside it until the control is painted anew from its stored values,
// as by an expose or a change of size.
struct Repaint {
    const char* what;
    std::function<void(QWidget&)> trigger;
};

void PrintTo(const Repaint& r, std::ostream* out) {
    *out << r.what;
}

const Repaint kRepaints[] = {
    {"expose", [](QWidget& view) { view.update(); }},
    {"change of size", [](QWidget& view) { view.resize(211, 41); }},
};

class MarkersDrawnAtOnce : public testing::TestWithParam<Repaint> {};

TEST_P(MarkersDrawnAtOnce, StayBesideEachOtherUntilTheControlIsRepainted) {
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    view.resize(210, 41);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    curve.DrawDayMarker();
    EXPECT_TRUE(test::FullHeightColumns(test::OnScreen(view), kBlack).isEmpty());

    curve.SetKind(1);
    curve.SetIntellectDay(10);
    curve.DrawDayMarker();
    EXPECT_EQ(test::FullHeightColumns(test::OnScreen(view), kBlack), QList<int>{65});

    curve.SetIntellectDay(31);
    curve.DrawDayMarker();
    EXPECT_EQ(test::FullHeightColumns(test::OnScreen(view), kBlack), (QList<int>{65, 203}));

    GetParam().trigger(view);
    const int last = view.width() * 31 / 32;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return test::FullHeightColumns(test::OnScreen(view), kBlack) == QList<int>{last}; },
        2000))
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Triggers, MarkersDrawnAtOnce, testing::ValuesIn(kRepaints));

} // namespace
