#include "platform/application.h"

#include "platform/common_controls.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/process_end.h"
#include "platform/qt/translations.h"
#include "start_up_messages.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>

namespace platform {
namespace {

// Runs before the application object exists, which is when Qt decides
// whether to load a desktop theme and opens the window system.
int& BeforeQtStarts(int& argc) {
    QGuiApplication::setDesktopSettingsAware(false);
    BeginStartUp();
    return argc;
}

} // namespace

// No desktop platform theme (the dialogs keep their light colours in a dark
// desktop theme, and start-up pays for no theme it does not use), the
// desktop entry's name, the dialogs' font family as the default and Qt's own
// texts in simplified Chinese. Over Wayland its end ends the process, before
// Qt's own teardown of the connection can hang.
struct Application::Native {
    Native(int& argc, char** argv) : app(BeforeQtStarts(argc), argv) {
        EndStartUp();
        // On Wayland the app id ties the window to its desktop entry.
        QGuiApplication::setDesktopFileName(QStringLiteral(QOB_APP_ID));
        QApplication::setPalette(QApplication::style()->standardPalette());
        // The default font keeps the platform's size but takes the dialogs'
        // family, so the header lines read alike whatever the system's language.
        QFont font = QApplication::font();
        font.setFamily(kDialogFontFamily);
        QApplication::setFont(font);
        WarnIfNoDialogFont();
        LoadQtTranslations(app);
    }

    QApplication app;
};

// Qt's widgets need no registration before a dialog uses them.
void InitCommonControls() {}

Application::Application(int& argc, char** argv) : native_(std::make_unique<Native>(argc, argv)) {}

// The program's status is always 0 once its dialogs have ended.
Application::~Application() {
    EndBeforeWaylandTeardown(0);
}

} // namespace platform
