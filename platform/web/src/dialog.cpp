#include "platform/dialog.h"

#include "modal_run.h"
#include "native.h"
#include "page.h"
#include "platform/window_styles.h"

namespace platform {
namespace {

DialogNative& StateOf(const Dialog& dialog) {
    return static_cast<DialogNative&>(dialog.GetNative());
}

// The class the page builds for a template control: a member that paints
// itself is a canvas, a static icon control an image.
std::int32_t PageClassOf(const ControlTemplate& item, const Window* member) {
    if (member && member->GetNative().kind == Window::Native::Kind::Painted) {
        return web::kCanvasControl;
    }
    if (item.controlClass == ControlClass::Static && (item.style & ss::kTypeMask) == ss::kIcon) {
        return web::kIconControl;
    }
    return static_cast<std::int32_t>(item.controlClass);
}

// An icon shows at its own size from the rectangle's top-left corner.
std::int32_t CreateControl(DialogNative& state, const ControlTemplate& item, Window* member) {
    Rect area = MapDialogRect(item.rect, state.base);
    const std::int32_t pageClass = PageClassOf(item, member);
    if (pageClass == web::kIconControl) {
        area.right = area.left + kIconSize;
        area.bottom = area.top + kIconSize;
    }
    const std::int32_t element =
        vidad_create_control(state.element, pageClass, item.id, item.style, area.left, area.top,
                             area.right - area.left, area.bottom - area.top);
    if (pageClass == web::kIconControl) {
        vidad_set_window_icon(element, item.iconId);
    } else if (pageClass != web::kCanvasControl) {
        web::SetText(element, item.text);
    }
    if (member) {
        member->GetNative().element = element;
        member->GetNative().size = {area.right - area.left, area.bottom - area.top};
    }
    return element;
}

// The controls no member took over are built once the members are bound;
// then every control takes its template place, which is the tab order.
void CreateRemainingControls(DialogNative& state) {
    for (DialogNative::Control& control : state.controls) {
        if (control.element == 0) {
            control.element = CreateControl(state, *control.item, nullptr);
        }
        vidad_append_control(state.element, control.element);
    }
}

// The first visible tab stop starts with the focus unless the
// initialisation placed it itself.
void FocusFirst(const DialogNative& state) {
    for (const DialogNative::Control& control : state.controls) {
        const std::uint32_t style = control.item->style;
        if ((style & ws::kTabStop) && (style & ws::kVisible)) {
            vidad_focus(control.element);
            return;
        }
    }
}

// Every picture of the dialog anew: its own painting, then its controls'.
void RepaintAll(DialogNative& state) {
    Window::Native::Paint(state.dialog);
    for (const DialogNative::Control& control : state.controls) {
        if (control.member && control.member->GetNative().kind == Window::Native::Kind::Painted) {
            Window::Native::Paint(static_cast<PaintedStatic&>(*control.member));
        }
    }
}

// A dialog without a window menu shows none, and the page may ask again.
void ShowSystemMenu(DialogNative& state) {
    if (SystemMenu* menu = state.dialog.GetSystemMenu()) {
        for (const SystemMenu::Native::Entry& entry : menu->GetNative().entries) {
            vidad_menu_add(state.element, entry.commandId, entry.text.data(),
                           static_cast<std::int32_t>(entry.text.size()));
        }
    }
    vidad_menu_show(state.element);
}

void Dispatch(DialogNative& state, const web::PageEvent& event) {
    switch (event.kind) {
    case web::kCommandEvent:
        Window::Native::Command(state.dialog, event.argument);
        break;
    case web::kSystemCommandEvent:
        Window::Native::SystemCommand(state.dialog, static_cast<std::uint32_t>(event.argument));
        break;
    case web::kContextMenuEvent:
        ShowSystemMenu(state);
        break;
    case web::kRepaintEvent:
        RepaintAll(state);
        break;
    default:
        break;
    }
}

} // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, Window*)
    : Window(std::make_unique<DialogNative>(*this, dialogTemplate)) {}

Dialog::~Dialog() = default;

// The window goes when its run ends, as a dialog's window does.
int Dialog::DoModal() {
    Create();
    DialogNative& state = StateOf(*this);
    vidad_show_window(state.element);
    RepaintAll(state);
    web::AddEventTarget(state.element,
                        [&state](const web::PageEvent& event) { Dispatch(state, event); });
    web::RunModal([&state] { return state.ended; });
    web::RemoveEventTarget(state.element);
    vidad_remove(state.element);
    state.element = 0;
    return state.result;
}

void Dialog::Create() {
    DialogNative& state = StateOf(*this);
    if (state.created) {
        return;
    }
    state.created = true;
    const DialogTemplate& dialog = state.dialogTemplate;
    const double pixels = DialogFontPixels(dialog.pointSize);
    state.base = BaseUnitsFrom(vidad_letters_width(pixels), vidad_font_height(pixels));
    const Rect client = MapDialogRect({0, 0, dialog.width, dialog.height}, state.base);
    state.size = {client.right, client.bottom};
    const bool modal = !(dialog.exStyle & ws_ex::kAppWindow);
    state.element = vidad_create_window(dialog.id, modal, client.right, client.bottom, pixels);
    web::SetText(state.element, dialog.caption);
    for (const ControlTemplate& item : dialog.controls) {
        state.controls.push_back({&item, nullptr, 0});
    }
    const bool focusFirst = OnDialogInit();
    CreateRemainingControls(state);
    if (focusFirst) {
        FocusFirst(state);
    }
}

// The page has no window menu of its own: the dialog keeps one, and the page
// shows it as the dialog's context menu. A page cannot be minimized, so only
// Close stands in it by default.
SystemMenu* Dialog::GetSystemMenu() {
    DialogNative& state = StateOf(*this);
    if (!(state.dialogTemplate.style & ws::kSysMenu)) {
        return nullptr;
    }
    if (!state.systemMenu) {
        state.systemMenu = std::make_unique<SystemMenu>(std::make_unique<SystemMenu::Native>());
        state.systemMenu->AppendItem(sc::kClose, u"关闭(&C)");
    }
    return state.systemMenu.get();
}

// The page shows one icon for a window, in its title bar, and the
// application window's is also the page's own.
void Dialog::SetIcon(const Icon& icon, bool big) {
    const Icon::Native* native = icon.GetNative();
    if (!big && native) {
        vidad_set_window_icon(StateOf(*this).element, native->id);
    }
}

void Dialog::OnCommand(int id) {
    DialogNative& state = StateOf(*this);
    if (id == kIdOk || id == kIdCancel) {
        state.ended = true;
        state.result = id;
    }
}

void Dialog::OnSystemCommand(std::uint32_t nID, std::intptr_t) {
    if ((nID & 0xFFF0) == sc::kClose) {
        OnCommand(kIdCancel);
    }
}

// The page's style sheet paints the dialog's face.
void Dialog::OnPaint() {}

// A page never shows a minimized window, so the icon's background is never
// wanted.
void Dialog::SendIconEraseBackground(Surface&) {}

void Dialog::Attach(int id, Window& member) {
    DialogNative& state = StateOf(*this);
    for (DialogNative::Control& control : state.controls) {
        if (control.item->id == id) {
            control.member = &member;
            control.element = CreateControl(state, *control.item, &member);
            return;
        }
    }
}

} // namespace platform
