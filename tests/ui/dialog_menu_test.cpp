#include "dialog_fixture.h"
#include "platform/resources.h"
#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// The About box's template items of the class in order, an icon as its size.
QStringList AboutBoxItems(platform::ControlClass controlClass) {
    QStringList texts;
    for (const platform::ControlTemplate& item : res::kAboutBox.controls) {
        if (item.controlClass == controlClass) {
            texts << (item.iconId != 0 ? QStringLiteral("icon 32") : QString::fromUtf16(item.text));
        }
    }
    return texts;
}

class WindowMenu : public DialogTest {
protected:
    // Opens the dialog's menu with a right click on its free area.
    QMenu& OpenMenu() {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 120),
                                Dlg().mapToGlobal(QPoint(5, 120)));
        QApplication::sendEvent(&Dlg(), &click);
        QMenu* menu = Dlg().findChild<QMenu*>();
        EXPECT_TRUE(menu && menu->isVisible());
        return *menu;
    }

    void Choose(QMenu& menu, std::uint32_t command) {
        for (QAction* action : menu.actions()) {
            if (!action->isSeparator() && action->data().toUInt() == command) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no entry for command " << command;
    }
};

// The Menu key reaches the dialog the same way through the X11 platform;
// the real-window test presses it.
TEST_F(WindowMenu, OpensWithShiftF10OnTheButtonButNotInAField) {
    Dlg().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg()));
    QTest::keyClick(Dlg().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    const QMenu* menu = Dlg().findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
    ASSERT_FALSE(menu->isVisible());

    // In a field the field's own edit menu opens instead.
    Edit(IDC_EDIT_YEAR).setFocus();
    QTest::keyClick(Dlg().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QWidget* opened = QApplication::activePopupWidget();
    ASSERT_NE(opened, nullptr);
    EXPECT_NE(opened, menu);
    opened->close();
}

struct Closing {
    const char* what;
    std::function<void(QDialog&)> close;
};

void PrintTo(const Closing& c, std::ostream* out) {
    *out << c.what;
}

const Closing kClosings[] = {
    {"OK button", [](QDialog& box) { box.findChild<QPushButton*>()->click(); }},
    {"Enter", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); }},
    {"Escape", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
    {"close button", [](QDialog& box) { box.close(); }},
};

class AboutBox : public WindowMenu, public testing::WithParamInterface<Closing> {};

TEST_P(AboutBox, ShowsTheSameContentsEachTimeAndEveryWayOfClosingEndsIt) {
    std::vector<QStringList> shown;
    closeBox = [&](QDialog& box) {
        QStringList texts;
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            texts << (label->pixmap().isNull() ? label->text()
                                               : QStringLiteral("icon %1").arg(label->width()));
        }
        shown.push_back(texts);
        EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(box.minimumSize(), box.maximumSize());
        GetParam().close(box);
        EXPECT_FALSE(box.isVisible());
    };
    for (int i = 0; i < 2; ++i) {
        Choose(OpenMenu(), IDM_ABOUTBOX);
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, QString::fromUtf16(res::kAboutBox.caption));
    EXPECT_EQ(boxes[0].buttons, AboutBoxItems(platform::ControlClass::Button));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], AboutBoxItems(platform::ControlClass::Static));
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_TRUE(Dlg().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBox, testing::ValuesIn(kClosings));

} // namespace
