#include "about_dlg.h"

#include "dialog_templates.h"

CAboutDlg::CAboutDlg() : platform::ModalDialog(res::kAboutBox, nullptr) {}
