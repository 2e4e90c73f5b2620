#include "dialog_fixture.h"
#include "platform/qt/text.h"
#include "res/resource.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

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

TEST(FieldText, ReachesTheParseAsGbk) {
    EXPECT_EQ(platform::ToGbk("1983"), "1983");
    EXPECT_EQ(platform::ToGbk("１"), "\xA3\xB1");
    EXPECT_EQ(platform::ToGbk("\u3000"), "\xA1\xA1");
    EXPECT_EQ(platform::ToGbk("年"), "\xC4\xEA");
    const std::string emoji = platform::ToGbk("\U0001F600");
    ASSERT_FALSE(emoji.empty());
    EXPECT_EQ(emoji.find_first_of("0123456789 "), std::string::npos);
}

} // namespace
