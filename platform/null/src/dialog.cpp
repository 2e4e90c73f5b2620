#include "platform/dialog.h"

#include "handlers.h"
#include "native.h"
#include "platform/null/access.h"
#include "platform/window_styles.h"

namespace platform {
namespace {

// No font to measure: the base units of the shell dialog font at 8 points
// and 96 pixels per inch.
constexpr BaseUnits kBaseUnits{6, 13};

Window::Native::Kind KindOf(const ControlTemplate& item) {
    switch (item.controlClass) {
    case ControlClass::Button:
        return Window::Native::Kind::Button;
    case ControlClass::Edit:
        return Window::Native::Kind::Edit;
    case ControlClass::Static:
        break;
    }
    return Window::Native::Kind::Static;
}

} // namespace

DialogNative& StateOf(const Dialog& dialog) {
    return static_cast<DialogNative&>(dialog.GetNative());
}

void PaintAll(DialogNative& state) {
    for (const DialogCore::Control& control : state.controls) {
        if (control.window->GetNative().kind == Window::Native::Kind::Painted) {
            Handlers::Paint(static_cast<PaintedStatic&>(*control.window));
        }
    }
}

Dialog::Dialog(const DialogTemplate& dialogTemplate, Window*)
    : Window(std::make_unique<DialogNative>(dialogTemplate)) {}

Dialog::~Dialog() = default;

BuiltControl::BuiltControl(const ControlTemplate& item)
    : Window(std::make_unique<Native>(KindOf(item))) {}

DialogCore& dialog_hooks::CoreOf(const Dialog& dialog) {
    return StateOf(dialog);
}

BaseUnits dialog_hooks::CreateDialogWindow(Dialog& dialog) {
    DialogNative& state = StateOf(dialog);
    state.text = state.dialogTemplate.caption;
    state.area =
        MapDialogRect({0, 0, state.dialogTemplate.width, state.dialogTemplate.height}, kBaseUnits);
    return kBaseUnits;
}

void dialog_hooks::PlaceControl(Dialog& dialog, Window& control, const ControlTemplate& item) {
    Window::Native& native = control.GetNative();
    native.dialog = &dialog;
    native.item = &item;
    native.area = MapDialogRect(item.rect, kBaseUnits);
    native.text = item.text;
    native.visible = item.style & ws::kVisible;
}

void dialog_hooks::OrderControls(Dialog& dialog, const std::vector<DialogCore::Control>& controls) {
    DialogNative& state = StateOf(dialog);
    state.tabOrder.clear();
    for (const DialogCore::Control& control : controls) {
        if (TakesFocus(*control.item)) {
            state.tabOrder.push_back(control.window);
        }
    }
}

bool dialog_hooks::CanMinimize() {
    return true;
}

void dialog_hooks::Minimize(Dialog& dialog) {
    StateOf(dialog).iconic = true;
}

void dialog_hooks::EndDialog(Dialog& dialog, int result) {
    DialogNative& state = StateOf(dialog);
    state.running = false;
    state.result = result;
}

void Dialog::SetIcon(const Icon&, bool) {}

} // namespace platform
