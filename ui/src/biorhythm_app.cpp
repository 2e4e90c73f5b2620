#include "ui/biorhythm_app.h"

#include "platform/resources.h"
#include "res/string_table.h"
#include "ui/biorhythm_dlg.h"

bool CBiorhythmApp::StartInstance() {
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    dlg.DoModal();
    return false;
}
