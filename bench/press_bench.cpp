#include "platform/clock.h"
#include "platform/qt/access.h"
#include "platform/qt/modal_run.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/biorhythm_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

long ResidentKib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// The main dialog shown, today fixed, and every error box answered at once.
class ShownDialog {
public:
    ShownDialog() {
        platform::SetStringTable(res::kStringTable);
        platform::SetClockForTesting([] { return platform::LocalDate{2026, 12, 7}; });
        platform::SetModalHookForTesting([](QDialog&) { return 0; });
        dlg.Create();
        platform::qt::DialogOf(dlg).show();
        QApplication::processEvents();
    }

    QLineEdit& Field(int id) {
        return *qobject_cast<QLineEdit*>(platform::qt::GetDlgItem(dlg, id));
    }

    void Press(int field, const QString& text) {
        Field(field).setText(text);
        QTest::keyClick(&platform::qt::DialogOf(dlg), Qt::Key_Return);
        QApplication::processEvents();
    }

private:
    CBiorhythmDlg dlg;
};

// One press of Enter, from the key event to labels and markers painted.
void PressOk(benchmark::State& state) {
    ShownDialog shown;
    int n = 0;
    for (auto _ : state) {
        shown.Press(IDC_EDIT_YEAR, QString::number(1900 + n++ % 100));
    }
}
BENCHMARK(PressOk)->Unit(benchmark::kMicrosecond);

// Good and bad months in turn; what resident memory grows by over 9,000
// presses after the first thousand has settled it.
void MixedPressesMemory(benchmark::State& state) {
    const QString months[] = {"12", "1a", "3", "", "13", "99999999999", " 7 "};
    for (auto _ : state) {
        ShownDialog shown;
        long settled = 0;
        for (int i = 0; i < 10000; ++i) {
            shown.Press(IDC_EDIT_MONTH, months[i % 7]);
            if (i == 999) {
                settled = ResidentKib();
            }
        }
        state.counters["rss_growth_kib"] = static_cast<double>(ResidentKib() - settled);
    }
}
BENCHMARK(MixedPressesMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// What resident memory grows by over 20 pastes with Ctrl+V over the whole
// year field, each a different text of the given length: 32,000 characters
// fit, a mebibyte is refused.
void PastesMemory(benchmark::State& state) {
    const auto length = static_cast<qsizetype>(state.range(0));
    for (auto _ : state) {
        ShownDialog shown;
        QLineEdit& year = shown.Field(IDC_EDIT_YEAR);
        const long before = ResidentKib();
        for (int i = 0; i < 20; ++i) {
            QGuiApplication::clipboard()->setText(QString(length, QChar(u'0' + i % 10)));
            year.selectAll();
            QTest::keyClick(&year, Qt::Key_V, Qt::ControlModifier);
        }
        QGuiApplication::clipboard()->clear();
        QApplication::processEvents();
        state.counters["rss_growth_kib"] = static_cast<double>(ResidentKib() - before);
        state.counters["field_length"] = static_cast<double>(year.text().size());
    }
}
BENCHMARK(PastesMemory)->Arg(32000)->Arg(1 << 20)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
