// The start-up baseline: the cheapest Qt program that shows what qob shows on
// its first frame, built from stock widgets only. Comparing qob with it tells
// how much qob's own code adds to Qt's unavoidable start-up cost.

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace {

// The colour of the curve controls' frames; the start-up watcher waits for it.
const QColor kCurveFrame(0, 20, 0);

QLabel* addLabel(QDialog& dialog, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, &dialog);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(where);
    return label;
}

void addEdit(QDialog& dialog, const QString& text, const QRect& where) {
    auto* edit = new QLineEdit(text, &dialog);
    edit->setGeometry(where);
}

// Stands in for a curve control: an empty box with the same one-pixel frame.
void addCurveBox(QDialog& dialog, const QRect& where) {
    auto* box = new QFrame(&dialog);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, kCurveFrame);
    box->setPalette(palette);
    box->setGeometry(where);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same fonts as qob: the default font in the dialog family at the
    // platform's size for the two header lines, 8 points for the controls.
    QFont headerFont = QApplication::font();
    headerFont.setFamily(QStringLiteral("WenQuanYi Micro Hei"));
    QApplication::setFont(headerFont);

    QDialog dialog(nullptr, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("vidad"));
    dialog.setFixedSize(360, 237);
    dialog.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 8));

    addLabel(dialog, QStringLiteral("vidad程序可以帮你了解你的生理节律处于什么状态"),
             QRect(0, 0, 360, 20))
        ->setFont(headerFont);
    addLabel(dialog, QStringLiteral("有助于你安排工作学习休息。"), QRect(0, 20, 360, 20))
        ->setFont(headerFont);
    // The controls at qob's own pixel rectangles, the labels wrapping as its do.
    addLabel(dialog, QStringLiteral("请输入你的出生日期(阳历)"), QRect(15, 54, 81, 29));
    addEdit(dialog, QStringLiteral("1983"), QRect(116, 55, 48, 21));
    addLabel(dialog, QStringLiteral("年"), QRect(167, 59, 12, 15));
    addEdit(dialog, QStringLiteral("12"), QRect(182, 55, 27, 20));
    addLabel(dialog, QStringLiteral("月"), QRect(212, 59, 15, 15));
    addEdit(dialog, QStringLiteral("30"), QRect(227, 54, 32, 21));
    addLabel(dialog, QStringLiteral("日"), QRect(260, 59, 12, 13));

    auto* ok = new QPushButton(QStringLiteral("确定"), &dialog);
    ok->setDefault(true);
    ok->setGeometry(QRect(275, 52, 75, 29));

    addLabel(dialog, QStringLiteral("智力周期（33天）"), QRect(11, 93, 99, 28));
    addLabel(dialog, QStringLiteral("情绪周期（28天）"), QRect(11, 141, 96, 28));
    addLabel(dialog, QStringLiteral("体力周期（23天）"), QRect(11, 190, 107, 36));
    addCurveBox(dialog, QRect(140, 94, 210, 41));
    addCurveBox(dialog, QRect(141, 140, 209, 41));
    addCurveBox(dialog, QRect(141, 187, 209, 39));

    dialog.show();
    return app.exec();
}
