#include "ui/biorhythm_app.h"

#include "platform/common_controls.h"
#include "platform/resources.h"
#include "res/string_table.h"
#include "ui/biorhythm_dlg.h"

bool CBiorhythmApp::StartInstance() {
    platform::InitCommonControls();
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    dlg.DoModal();
    return false;
}
