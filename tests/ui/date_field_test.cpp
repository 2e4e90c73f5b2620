#include "dialog_fixture.h"
#include "platform/qt/text.h"
#include "res/resource.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <memory>

namespace {

class TypingInAField : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        field = &Edit(IDC_EDIT_YEAR);
        field->clear();
    }
    void Commit(const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(field, &commit);
    }
    QLineEdit* field = nullptr;
};

TEST_F(TypingInAField, TakesDigitsAndRefusesEverythingElse) {
    QTest::keyClicks(field, "1a9 -8.+3x");
    EXPECT_EQ(field->text(), "1983");
    QTest::keyClick(field, Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), "19831");
}

TEST_F(TypingInAField, KeepsEditingKeysAndShortcuts) {
    QTest::keyClicks(field, "1983");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "98");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "98");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
}

TEST_F(TypingInAField, RefusesInputMethodCommitsOtherThanDigits) {
    Commit("１２");
    Commit("年");
    Commit(" ");
    EXPECT_EQ(field->text(), "");
    Commit("12");
    EXPECT_EQ(field->text(), "12");
}

TEST_F(TypingInAField, LetsPastedTextInAsItIs) {
    field->insert(" 19 8x3 ");
    EXPECT_EQ(field->text(), " 19 8x3 ");
}

// The table of field texts holds the verdicts; these are the bytes.
TEST(FieldText, ReachesTheParseAsGbkOrAsBytesNoParseAccepts) {
    EXPECT_EQ(platform::ToGbk("1983"), "1983");
    EXPECT_EQ(platform::ToGbk("１"), "\xA3\xB1");
    EXPECT_EQ(platform::ToGbk("年\u3000"), "\xC4\xEA\xA1\xA1");
    EXPECT_EQ(platform::ToGbk("1\u200B9\U0001F600\u00B3"), "1?9??");
}

// A field holds at most 32,767 characters. An edit whose result would not
// fit is refused whole, whichever way the text comes; one that fits goes in
// whole.
TEST_F(TypingInAField, RefusesWholeAnEditThatWouldNotFit) {
    const auto paste = [this](Qt::Key key, Qt::KeyboardModifier modifier) {
        return [this, key, modifier](const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            field->selectAll();
            QTest::keyClick(field, key, modifier);
        };
    };
    const std::pair<const char*, std::function<void(const QString&)>> ways[] = {
        {"Ctrl+V", paste(Qt::Key_V, Qt::ControlModifier)},
        {"Shift+Insert", paste(Qt::Key_Insert, Qt::ShiftModifier)},
        {"the context menu's paste",
         [this](const QString& text) {
             QGuiApplication::clipboard()->setText(text);
             field->selectAll();
             std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
             for (QAction* action : menu->actions()) {
                 if (action->text().endsWith(QKeySequence(QKeySequence::Paste).toString())) {
                     action->trigger();
                 }
             }
         }},
        {"a drop",
         [this](const QString& text) {
             QMimeData data;
             data.setText(text);
             QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(field, &enter);
             QDropEvent drop({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(field, &drop);
         }},
        {"an input method's commit", [this](const QString& text) { Commit(text); }},
    };
    // Spaces are pasted, digits committed: what each way lets in at all.
    const QString tooLong = QString(32766, QLatin1Char('7')) + "1983";
    for (const auto& [way, put] : ways) {
        field->setText("1983");
        put(tooLong);
        EXPECT_EQ(field->text(), "1983") << way;
    }
    const QString fits = QString(32767, QLatin1Char('7'));
    for (const auto& [way, put] : ways) {
        field->clear();
        put(fits);
        EXPECT_EQ(field->text().size(), 32767) << way;
    }
}

} // namespace
