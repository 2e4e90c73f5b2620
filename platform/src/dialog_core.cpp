#include "dialog_core.h"

#include "platform/window_styles.h"

namespace platform {

using namespace dialog_hooks;

namespace {

Window& Materialize(Dialog& dialog, DialogCore::Control& control) {
    if (!control.window) {
        control.built = std::make_unique<BuiltControl>(*control.item);
        control.window = control.built.get();
        PlaceControl(dialog, *control.window, *control.item);
    }
    return *control.window;
}

// The controls no member took over are built once the members are bound,
// so a member's template control is never built only to be thrown away.
void CreateRemainingControls(Dialog& dialog, DialogCore& core) {
    for (DialogCore::Control& control : core.controls) {
        Materialize(dialog, control);
    }
    OrderControls(dialog, core.controls);
}

Window* FirstTabStop(const DialogCore& core) {
    for (const DialogCore::Control& control : core.controls) {
        if (TakesFocus(*control.item)) {
            return control.window;
        }
    }
    return nullptr;
}

} // namespace

bool TakesFocus(const ControlTemplate& item) {
    return (item.style & ws::kTabStop) && (item.style & ws::kVisible) &&
           !(item.style & ws::kDisabled);
}

int Dialog::DoModal() {
    Create();
    return RunModal(*this);
}

// The first tab stop takes the focus unless the initialisation placed it
// itself.
void Dialog::Create() {
    DialogCore& core = CoreOf(*this);
    if (core.created) {
        return;
    }
    core.created = true;
    core.base = CreateDialogWindow(*this);
    for (const ControlTemplate& item : core.dialogTemplate.controls) {
        core.controls.push_back({&item, nullptr, nullptr});
    }
    const bool focusFirst = OnDialogInit();
    CreateRemainingControls(*this, core);
    if (Window* first = FirstTabStop(core); focusFirst && first) {
        Focus(*this, *first);
    }
}

// The toolkit cannot extend the window manager's menu, so the dialog keeps
// its own: Minimize where the toolkit can minimize, and Close.
SystemMenu* Dialog::GetSystemMenu() {
    DialogCore& core = CoreOf(*this);
    const std::uint32_t style = core.dialogTemplate.style;
    if (!(style & ws::kSysMenu)) {
        return nullptr;
    }
    if (!core.systemMenu) {
        core.systemMenu = std::make_unique<SystemMenu>(std::make_unique<SystemMenu::Native>());
        if ((style & ws::kMinimizeBox) && CanMinimize()) {
            core.systemMenu->AppendItem(sc::kMinimize, u"最小化(&N)");
        }
        core.systemMenu->AppendItem(sc::kClose, u"关闭(&C)");
    }
    return core.systemMenu.get();
}

void Dialog::OnCommand(int id) {
    if (id == kIdOk || id == kIdCancel) {
        EndDialog(*this, id);
    }
}

void Dialog::OnSystemCommand(std::uint32_t nID, std::intptr_t) {
    switch (nID & 0xFFF0) {
    case sc::kMinimize:
        Minimize(*this);
        break;
    case sc::kClose:
        OnCommand(kIdCancel);
        break;
    default:
        break;
    }
}

// The toolkit paints the dialog's face.
void Dialog::OnPaint() {}

// No such toolkit asks a minimized window to paint, so the icon's
// background is never wanted.
void Dialog::SendIconEraseBackground(Surface&) {}

void Dialog::Attach(int id, Window& member) {
    for (DialogCore::Control& control : CoreOf(*this).controls) {
        if (control.item->id == id) {
            PlaceControl(*this, member, *control.item);
            // A control asked for before binding gives way to the member.
            control.built.reset();
            control.window = &member;
            return;
        }
    }
}

Window* ControlOf(Dialog& dialog, int id) {
    for (DialogCore::Control& control : CoreOf(dialog).controls) {
        if (control.item->id == id) {
            return &Materialize(dialog, control);
        }
    }
    return nullptr;
}

void OpenSystemMenu(Dialog& dialog, Point at) {
    const SystemMenu* menu = dialog.GetSystemMenu();
    ShowMenu(dialog, menu ? &menu->GetNative().entries : nullptr, at);
}

} // namespace platform
