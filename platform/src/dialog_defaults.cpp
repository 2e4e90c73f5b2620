#include "platform/dialog.h"

namespace platform {

// The dialog's own initialisation: its members take their template controls.
// True lets the first tab stop take the focus.
void Dialog::BindControls(DataExchange&) {}

bool Dialog::OnDialogInit() {
    DataExchange dx(*this);
    BindControls(dx);
    return true;
}

// No picture of its own, so on Windows the window system picks one; Qt,
// which drags no minimized window, never asks.
Icon Dialog::OnDragIconQuery() {
    return {};
}

} // namespace platform
