#include "dialog_driver.h"
#include "dialog_fixture.h"
#include "platform/window_styles.h"
#include "res/resource.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

std::u16string ToU16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString ToQt(const std::u16string& text) {
    // Copied unit by unit: a conversion from UTF-16 would take a leading
    // byte order mark for its own.
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// The dialog over Qt, shown offscreen (or on the display the tests run on),
// driven with Qt's own events.
class QtDialogDriver : public DialogDriver {
public:
    void Start() override {
        session_.Start();
        platform::SetClockForTesting([this] { return today; });
    }

    void Stop() override { session_.Stop(); }

    std::u16string Title() override { return ToU16(Dlg().windowTitle()); }

    std::u16string Text(int id) override {
        QWidget* item = session_.Item(id);
        if (auto* edit = qobject_cast<QLineEdit*>(item)) {
            return ToU16(edit->text());
        }
        return ToU16(qobject_cast<QLabel*>(item)->text());
    }

    bool IsVisible(int id) override { return session_.Item(id)->isVisible(); }
    void Type(int id, const std::u16string& text) override { session_.Type(id, ToQt(text)); }
    void Click(int id) override { qobject_cast<QPushButton*>(session_.Item(id))->click(); }
    void PressEnter() override { session_.PressEnter(); }

    void PressTab() override {
        Activate();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    int FocusedId() override {
        Activate();
        for (int id : {platform::kIdOk, IDC_EDIT_YEAR, IDC_EDIT_MONTH, IDC_EDIT_DAY}) {
            if (QApplication::focusWidget() == session_.Item(id)) {
                return id;
            }
        }
        return 0;
    }

    // Opened with a right click on the dialog's free area.
    std::vector<std::u16string> OpenWindowMenu() override {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 120),
                                Dlg().mapToGlobal(QPoint(5, 120)));
        QApplication::sendEvent(&Dlg(), &click);
        std::vector<std::u16string> entries;
        if (QMenu* menu = Menu()) {
            for (const QAction* action : menu->actions()) {
                entries.push_back(action->isSeparator() ? u"-" : ToU16(action->text()));
            }
        }
        return entries;
    }

    void Choose(std::uint32_t command) override {
        QMenu* menu = Menu();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
            if (!action->isSeparator() && action->data().toUInt() == command) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no entry for command " << command;
    }

    bool IsMinimized() override { return Dlg().isMinimized(); }

    std::vector<int> MarkerColumns(int curveId) override {
        const QList<int> columns = session_.MarkerColumns(curveId);
        return {columns.begin(), columns.end()};
    }

    void Expose(int curveId) override {
        session_.Item(curveId)->update();
        QCoreApplication::processEvents();
    }

    // The real modal run, acted on from inside; one still open after five
    // seconds is ended.
    bool RunModally(const std::function<void(DialogDriver&)>& act) override {
        platform::SetModalHookForTesting({});
        session_.dlg = std::make_unique<CBiorhythmDlg>();
        bool ended = true;
        QTimer::singleShot(0, &Dlg(), [&] { act(*this); });
        QTimer::singleShot(5000, &Dlg(), [&] {
            ended = false;
            Dlg().done(-1);
        });
        session_.dlg->DoModal();
        return ended && !Dlg().isVisible();
    }

    void PressEscape() override { QTest::keyClick(&Dlg(), Qt::Key_Escape); }
    void PressCloseButton() override { Dlg().close(); }

    std::vector<ShownBox> Boxes() override {
        std::vector<ShownBox> boxes;
        for (const QtBox& box : session_.boxes) {
            boxes.push_back({ToU16(box.title), ToU16(box.text), box.owner == &Dlg()});
        }
        return boxes;
    }

    std::u16string ApplicationName() override { return ToU16(QApplication::applicationName()); }

private:
    QDialog& Dlg() { return session_.Dlg(); }
    QMenu* Menu() { return Dlg().findChild<QMenu*>(); }

    void Activate() {
        if (!Dlg().isActiveWindow()) {
            Dlg().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&Dlg()));
        }
    }

    QtDialogSession session_;
};

} // namespace

std::unique_ptr<DialogDriver> NewDialogDriver() {
    return std::make_unique<QtDialogDriver>();
}
