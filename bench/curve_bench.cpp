#include "platform/qt/access.h"
#include "ui/mynew.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// A full paint of one intellect curve as the dialog sizes it.
void PaintCurveControl(benchmark::State& state) {
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    view.resize(210, 41);
    curve.SetKind(1);
    curve.SetIntellectDay(2);
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintCurveControl);

// DrawDayMarker on a shown control: a synchronous repaint to the screen.
void DrawDayMarkerOnScreen(benchmark::State& state) {
    mynew curve;
    QWidget& view = platform::qt::WidgetOf(curve);
    view.resize(210, 41);
    view.show();
    QApplication::processEvents();
    curve.SetKind(1);
    std::int32_t day = 0;
    for (auto _ : state) {
        curve.SetIntellectDay(day++ % 32);
        curve.DrawDayMarker();
    }
}
BENCHMARK(DrawDayMarkerOnScreen);

} // namespace
