#pragma once

#include "platform/dialog.h"

// The About box: the icon, the program's name and version, and a line of
// copyright; OK, Enter, Escape and the close button end it.
class CAboutDlg : public platform::Dialog {
public:
    CAboutDlg();
};
