#pragma once

#include "platform/modal_dialog.h"

// The About box: the icon, the program's name and version, and a line of
// copyright; OK, Enter, Escape and the close button end it.
class CAboutDlg : public platform::ModalDialog {
    Q_OBJECT

public:
    CAboutDlg();
};
