#include "platform/dialog.h"

namespace platform {

// A dialog without members binds nothing.
void Dialog::BindControls(DataExchange&) {}

// The dialog's own initialisation: its members take their template controls.
// True lets the first tab stop take the focus.
bool Dialog::OnDialogInit() {
    DataExchange dx(*this);
    BindControls(dx);
    return true;
}

// No picture of its own, so on Windows the window system picks one; the
// other backends drag no minimized window and never ask.
Icon Dialog::OnDragIconQuery() {
    return {};
}

} // namespace platform
