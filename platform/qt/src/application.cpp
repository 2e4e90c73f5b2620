#include "platform/application.h"

#include "platform/dialog_units.h"

#include <QFont>
#include <QPalette>
#include <QStyle>

namespace platform {
namespace {

// Runs before the application object exists, which is when Qt decides
// whether to load a desktop theme.
int& WithoutDesktopTheme(int& argc) {
    QGuiApplication::setDesktopSettingsAware(false);
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(WithoutDesktopTheme(argc), argv) {
    // On Wayland the app id ties the window to its desktop entry.
    setDesktopFileName(QStringLiteral(QOB_APP_ID));
    setPalette(style()->standardPalette());
    // The default font keeps the platform's size but takes the dialogs'
    // family, so the header lines read alike whatever the system's language.
    QFont font = QApplication::font();
    font.setFamily(kDialogFontFamily);
    setFont(font);
}

} // namespace platform
