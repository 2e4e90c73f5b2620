#include "start_up_messages.h"

#include "platform/qt/dialog_units.h"

#include <QApplication>
#include <QFontInfo>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;

// Prints "qob：<Chinese>。qob: <English>." as one line.
void Say(const QString& chinese, const QString& english) {
    const QByteArray line = QStringLiteral("qob：%1。qob: %2.\n").arg(chinese, english).toUtf8();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

QString Quoted(const QString& text) {
    return QStringLiteral("\"%1\"").arg(text);
}

// What went wrong with one window system plugin Qt tried, named by what the
// user can change: the display it tried, or the plugin's name.
std::pair<QString, QString> Failure(const QString& plugin, bool found) {
    if (!found) {
        return {QStringLiteral("找不到窗口系统插件“%1”").arg(plugin),
                QStringLiteral("there is no window system plugin %1").arg(Quoted(plugin))};
    }
    if (plugin.startsWith(QLatin1String("xcb"))) {
        const QString display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty()) {
            return {QStringLiteral("无法打开显示：未设置 DISPLAY"),
                    QStringLiteral("cannot open a display: DISPLAY is not set")};
        }
        return {QStringLiteral("无法打开显示“%1”（DISPLAY）").arg(display),
                QStringLiteral("cannot open the display %1 (DISPLAY)").arg(Quoted(display))};
    }
    if (plugin.startsWith(QLatin1String("wayland"))) {
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        if (display.isEmpty()) {
            return {
                QStringLiteral("无法连接 Wayland 显示：未设置 WAYLAND_DISPLAY"),
                QStringLiteral("cannot connect to a Wayland display: WAYLAND_DISPLAY is not set")};
        }
        return {QStringLiteral("无法连接 Wayland 显示“%1”（WAYLAND_DISPLAY）").arg(display),
                QStringLiteral("cannot connect to the Wayland display %1 (WAYLAND_DISPLAY)")
                    .arg(Quoted(display))};
    }
    return {QStringLiteral("无法启动窗口系统插件“%1”").arg(plugin),
            QStringLiteral("cannot start the window system plugin %1").arg(Quoted(plugin))};
}

// The plugins Qt tried and could not start, as its held warnings name them;
// else Qt's own message.
[[noreturn]] void CannotStart(const QString& fatal) {
    static const QRegularExpression tried(
        QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    QStringList chinese;
    QStringList english;
    for (const HeldMessage& message : held) {
        const QRegularExpressionMatch match = tried.match(message.text);
        if (match.hasMatch()) {
            const auto [zh, en] = Failure(match.captured(2), match.captured(1) == "load");
            chinese << zh;
            english << en;
        }
    }
    if (chinese.isEmpty()) {
        const QString first = fatal.section(QLatin1Char('\n'), 0, 0);
        chinese << QStringLiteral("无法启动：%1").arg(first);
        english << QStringLiteral("cannot start: %1").arg(first);
    }
    Say(chinese.join(QStringLiteral("；")), english.join(QStringLiteral("; ")));
    std::fflush(nullptr);
    std::_Exit(1);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        CannotStart(text);
    }
    held.push_back({type, context.category, text});
}

void DropBadScaleFactor() {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        return;
    }
    const QString value = qEnvironmentVariable("QT_SCALE_FACTOR");
    bool ok = false;
    const double factor = value.toDouble(&ok);
    if (ok && std::isfinite(factor) && factor >= 1) {
        return;
    }
    Say(QStringLiteral("忽略 QT_SCALE_FACTOR=“%1”：缩放系数须为不小于 1 的有限数").arg(value),
        QStringLiteral("ignoring QT_SCALE_FACTOR=%1: the scale factor must be a finite number "
                       "of at least 1")
            .arg(Quoted(value)));
    qunsetenv("QT_SCALE_FACTOR");
}

} // namespace

void BeginStartUp() {
    DropBadScaleFactor();
    qtHandler = qInstallMessageHandler(HoldMessage);
}

void EndStartUp() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}

void WarnIfNoDialogFont() {
    // The font the header lines resolve to anyway; the whole family list
    // would cost a start-up about a millisecond.
    if (QFontInfo(QApplication::font()).family() != QLatin1String(kDialogFontFamily)) {
        Say(QStringLiteral("找不到对话框字体“%1”，中文可能显示为方框").arg(kDialogFontFamily),
            QStringLiteral("the dialog font %1 is not installed; Chinese text may show as boxes")
                .arg(Quoted(kDialogFontFamily)));
    }
}

} // namespace platform
