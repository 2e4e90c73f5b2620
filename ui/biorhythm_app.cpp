#include "biorhythm_app.h"

#include "biorhythm_dlg.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "platform/translations.h"
#include "string_table.h"

#include <QFont>

// The default font keeps the platform's size but takes the dialogs' family,
// so the header lines read alike whatever the system's language.
CBiorhythmApp::CBiorhythmApp(int& argc, char** argv) : QApplication(argc, argv) {
    QFont font = QApplication::font();
    font.setFamily(platform::kDialogFontFamily);
    QApplication::setFont(font);
}

bool CBiorhythmApp::StartInstance() {
    platform::LoadQtTranslations(*this);
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    dlg.DoModal();
    return false;
}
