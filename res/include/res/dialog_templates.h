#pragma once

#include "platform/dialog_template.h"

namespace res {

extern const platform::DialogTemplate kMainDialog; // IDD_MAIN_DIALOG
extern const platform::DialogTemplate kAboutBox;   // IDD_ABOUTBOX

} // namespace res
