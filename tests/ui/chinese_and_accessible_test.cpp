#include "dialog_fixture.h"
#include "platform/qt/translations.h"
#include "res/resource.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <memory>

namespace {

QString Accessible(QWidget& widget, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(&widget)->text(which);
}

TEST(QtTexts, AreChineseInTheFieldsEditMenu) {
    ASSERT_TRUE(platform::LoadQtTranslations(*qApp));
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
        }
    }
    EXPECT_TRUE(texts.contains("撤消(&U)")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("粘贴(&P)")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("全选")) << texts.join(" | ").toStdString();
}

class ScreenReader : public DialogTest {};

TEST_F(ScreenReader, HearsWhatEachFieldAndCurveIs) {
    const std::pair<int, const char*> names[] = {
        {IDC_EDIT_YEAR, "出生年份"},         {IDC_EDIT_MONTH, "出生月份"},
        {IDC_EDIT_DAY, "出生日期"},          {IDC_CURVE_INTELLECT, "智力周期曲线"},
        {IDC_CURVE_EMOTION, "情绪周期曲线"}, {IDC_CURVE_PHYSICAL, "体力周期曲线"},
    };
    for (const auto& [id, name] : names) {
        EXPECT_EQ(Accessible(*Item(id), QAccessible::Name), name) << id;
    }
    EXPECT_EQ(Accessible(Label(IDC_LABEL_INTELLECT), QAccessible::Name),
              LabelText(IDC_LABEL_INTELLECT));
}

TEST_F(ScreenReader, HearsTodaysDayInEachCycleAfterOk) {
    QWidget& intellect = *Item(IDC_CURVE_INTELLECT);
    EXPECT_EQ(Accessible(intellect, QAccessible::Description), "");
    PressEnter();
    EXPECT_EQ(Accessible(intellect, QAccessible::Description), "第3天，共32天");
    EXPECT_EQ(Accessible(*Item(IDC_CURVE_EMOTION), QAccessible::Description), "第3天，共28天");
    EXPECT_EQ(Accessible(*Item(IDC_CURVE_PHYSICAL), QAccessible::Description), "第20天，共23天");
    EXPECT_EQ(Accessible(Label(IDC_LABEL_PHYSICAL), QAccessible::Name),
              "体力周期（23天）第681个周期");
}

TEST_F(ScreenReader, HearsThatTheBirthDateLiesAfterToday) {
    TypeDate("2027", "1", "1");
    PressEnter();
    for (int id : {IDC_CURVE_INTELLECT, IDC_CURVE_EMOTION, IDC_CURVE_PHYSICAL}) {
        EXPECT_EQ(Accessible(*Item(id), QAccessible::Description), "出生日期晚于今天");
    }
}

} // namespace
