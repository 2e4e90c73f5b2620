#include "dialog_fixture.h"

#include "pixels.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "res/string_table.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// Waits until no frame of the window is on its way to the screen. Qt 6.4's
// Wayland plugin destroys a frame callback that its event thread may be
// handling at that very moment, so a window closed with a frame in flight
// can crash the program. An update request is delivered only once no frame
// is in flight; the first one may still paint what is pending and send it,
// so the second waits for that. A minimized window's frames are not shown,
// and the compositor does not answer them either.
void WaitForFramesShown(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (!handle || !handle->isExposed() || window.isMinimized()) {
        return;
    }
    struct Watch : QObject {
        int delivered = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            delivered += event->type() == QEvent::UpdateRequest;
            return false;
        }
    } watch;
    handle->installEventFilter(&watch);
    for (int wanted : {1, 2}) {
        handle->requestUpdate();
        EXPECT_TRUE(QTest::qWaitFor([&] { return watch.delivered >= wanted; }, 5000));
    }
    handle->removeEventFilter(&watch);
}

} // namespace

void DialogTest::SetUp() {
    platform::SetStringTable(res::kStringTable);
    Start();
}

void QtDialogSession::Start() {
    platform::SetClockForTesting([this] { return today; });
    closeBox = [](QDialog& box) {
        for (auto* button : box.findChildren<QPushButton*>()) {
            if (button->isDefault() || qobject_cast<QMessageBox*>(&box)) {
                button->click();
                return;
            }
        }
    };
    // The box runs its real modal loop and is answered from inside it; one
    // that stays open ends after five seconds with a failure, not a hang.
    platform::SetModalHookForTesting([this](QDialog& box) {
        QTimer::singleShot(0, &box, [this, &box] {
            WaitForFramesShown(box);
            Answer(box);
        });
        auto* guard = new QTimer(&box); // goes with the box, not five seconds later
        guard->setSingleShot(true);
        QObject::connect(guard, &QTimer::timeout, &box, [&box] {
            ADD_FAILURE() << "a modal box stayed open";
            box.done(-1);
        });
        guard->start(5000);
        return box.exec();
    });
    dlg = std::make_unique<CBiorhythmDlg>();
    dlg->Create();
    Dlg().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dlg()));
}

void QtDialogSession::Answer(QDialog& box) {
    QtBox shown{box.windowTitle(), {}, {}, false, box.parentWidget()};
    if (auto* message = qobject_cast<QMessageBox*>(&box)) {
        shown.text = message->text();
        shown.hasIcon = message->icon() != QMessageBox::NoIcon;
    }
    for (auto* button : box.findChildren<QPushButton*>()) {
        shown.buttons << button->text();
    }
    boxes.push_back(shown);
    closeBox(box);
}

void QtDialogSession::Stop() {
    WaitForFramesShown(Dlg());
    dlg.reset();
    platform::SetModalHookForTesting({});
    platform::SetClockForTesting({});
}

void QtDialogSession::SetToday(int year, int month, int day) {
    today = {year, month, day};
}

void QtDialogSession::Type(int id, const QString& text) {
    Edit(id).setText(text);
}

void QtDialogSession::TypeDate(const QString& year, const QString& month, const QString& day) {
    Type(IDC_EDIT_YEAR, year);
    Type(IDC_EDIT_MONTH, month);
    Type(IDC_EDIT_DAY, day);
}

void QtDialogSession::PressEnter() {
    QTest::keyClick(&Dlg(), Qt::Key_Return);
}

QLineEdit& QtDialogSession::Edit(int id) const {
    return *qobject_cast<QLineEdit*>(Item(id));
}

QLabel& QtDialogSession::Label(int id) const {
    return *qobject_cast<QLabel*>(Item(id));
}

QList<int> QtDialogSession::MarkerColumns(int curveId) {
    const QRect area = Item(curveId)->geometry();
    return test::FullHeightColumns(test::OnScreen(Dlg()).copy(area), test::kBlack);
}

void QtDialogSession::ExpectLabels(const QStringList& intellectEmotionPhysical) const {
    const int ids[] = {IDC_LABEL_INTELLECT, IDC_LABEL_EMOTION, IDC_LABEL_PHYSICAL};
    ASSERT_EQ(intellectEmotionPhysical.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(LabelText(ids[i]), intellectEmotionPhysical[i]);
    }
}

void QtDialogSession::ExpectMarkers(int intellect, int emotion, int physical) {
    EXPECT_EQ(MarkerColumns(IDC_CURVE_INTELLECT), QList<int>{intellect});
    EXPECT_EQ(MarkerColumns(IDC_CURVE_EMOTION), QList<int>{emotion});
    EXPECT_EQ(MarkerColumns(IDC_CURVE_PHYSICAL), QList<int>{physical});
}
