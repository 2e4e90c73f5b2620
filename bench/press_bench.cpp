#include "platform/clock.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/biorhythm_dlg.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// One press of Enter, from the key event to labels and markers painted.
void PressOk(benchmark::State& state) {
    platform::SetStringTable(res::kStringTable);
    platform::SetClockForTesting([] { return platform::LocalDate{2026, 12, 7}; });
    CBiorhythmDlg dlg;
    dlg.Create();
    dlg.show();
    QApplication::processEvents();
    auto& year = *qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_EDIT_YEAR));
    int n = 0;
    for (auto _ : state) {
        year.setText(QString::number(1900 + n++ % 100));
        QTest::keyClick(&dlg, Qt::Key_Return);
        QApplication::processEvents();
    }
}
BENCHMARK(PressOk)->Unit(benchmark::kMicrosecond);

} // namespace
