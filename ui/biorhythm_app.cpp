#include "biorhythm_app.h"

#include "biorhythm_dlg.h"
#include "platform/resources.h"
#include "string_table.h"

CBiorhythmApp::CBiorhythmApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool CBiorhythmApp::StartInstance() {
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    dlg.DoModal();
    return false;
}
