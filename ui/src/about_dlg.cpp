#include "ui/about_dlg.h"

#include "res/dialog_templates.h"

CAboutDlg::CAboutDlg() : platform::Dialog(res::kAboutBox, nullptr) {}
