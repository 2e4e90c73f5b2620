#include "dialog_fixture.h"
#include "res/resource.h"

#include <QElapsedTimer>
#include <QFile>

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

// The sanitizer's quarantine holds freed memory back on purpose.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

class ManyPresses : public DialogTest {};

TEST_F(ManyPresses, LeaveMemoryFlatAndTheDialogResponsive) {
    const QString months[] = {"12", "1a", "3", "", "13", "99999999999", " 7 "};
    long settled = 0;
    std::size_t errors = 0;
    for (int i = 0; i < 10000; ++i) {
        Type(IDC_EDIT_MONTH, months[i % 7]);
        PressEnter();
        errors += boxes.size();
        boxes.clear();
        if (i == 999) {
            settled = ResidentKib();
        }
    }
    EXPECT_EQ(errors, 4286u); // "1a", "" and 99999999999, three of every seven
    if (kMemoryIsMeasurable) {
        EXPECT_LT(ResidentKib() - settled, 512) << "KiB grown over 9000 presses";
    }
    Type(IDC_EDIT_MONTH, "12");
    QElapsedTimer timer;
    timer.start();
    PressEnter();
    EXPECT_LT(timer.elapsed(), 100);
    EXPECT_EQ(LabelText(IDC_LABEL_INTELLECT), "智力周期（32天）第490个周期");
}

} // namespace
