#include "ui/biorhythm_app.h"

#include "platform/resources.h"
#include "platform/translations.h"
#include "res/string_table.h"
#include "ui/biorhythm_dlg.h"

bool CBiorhythmApp::StartInstance() {
    platform::LoadQtTranslations(*this);
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    dlg.DoModal();
    return false;
}
