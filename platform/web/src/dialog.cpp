#include "platform/dialog.h"

#include "handlers.h"
#include "modal_run.h"
#include "native.h"
#include "page.h"
#include "platform/window_styles.h"

namespace platform {
namespace {

DialogNative& StateOf(const Dialog& dialog) {
    return static_cast<DialogNative&>(dialog.GetNative());
}

// The class the page builds for a template control: a control that paints
// itself is a canvas, a static icon control an image.
std::int32_t PageClassOf(const ControlTemplate& item, const Window& control) {
    if (control.GetNative().kind == Window::Native::Kind::Painted) {
        return web::kCanvasControl;
    }
    if (item.controlClass == ControlClass::Static && (item.style & ss::kTypeMask) == ss::kIcon) {
        return web::kIconControl;
    }
    return static_cast<std::int32_t>(item.controlClass);
}

// Every picture of the dialog anew: its own painting, then its controls'.
void RepaintAll(DialogNative& state) {
    Handlers::Paint(state.dialog);
    for (const DialogCore::Control& control : state.controls) {
        if (control.window->GetNative().kind == Window::Native::Kind::Painted) {
            Handlers::Paint(static_cast<PaintedStatic&>(*control.window));
        }
    }
}

void Dispatch(DialogNative& state, const web::PageEvent& event) {
    switch (event.kind) {
    case web::kCommandEvent:
        Handlers::Command(state.dialog, event.argument);
        break;
    case web::kSystemCommandEvent:
        Handlers::SystemCommand(state.dialog, static_cast<std::uint32_t>(event.argument));
        break;
    case web::kContextMenuEvent:
        // The page keeps the place it was asked for.
        OpenSystemMenu(state.dialog, {});
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

BuiltControl::BuiltControl(const ControlTemplate& item)
    : Window(std::make_unique<Native>(
          item.controlClass == ControlClass::Edit ? Native::Kind::Edit : Native::Kind::Static)) {}

DialogCore& dialog_hooks::CoreOf(const Dialog& dialog) {
    return StateOf(dialog);
}

BaseUnits dialog_hooks::CreateDialogWindow(Dialog& dialog) {
    DialogNative& state = StateOf(dialog);
    const DialogTemplate& dialogTemplate = state.dialogTemplate;
    const double pixels = DialogFontPixels(dialogTemplate.pointSize);
    const BaseUnits base = BaseUnitsFrom(vidad_letters_width(pixels), vidad_font_height(pixels));
    const Rect client = MapDialogRect({0, 0, dialogTemplate.width, dialogTemplate.height}, base);
    state.size = {client.right, client.bottom};
    const bool modal = !(dialogTemplate.exStyle & ws_ex::kAppWindow);
    state.element =
        vidad_create_window(dialogTemplate.id, modal, client.right, client.bottom, pixels);
    web::SetText(state.element, dialogTemplate.caption);
    return base;
}

// An icon shows at its own size from the rectangle's top-left corner.
void dialog_hooks::PlaceControl(Dialog& dialog, Window& control, const ControlTemplate& item) {
    DialogNative& state = StateOf(dialog);
    Rect area = MapDialogRect(item.rect, state.base);
    const std::int32_t pageClass = PageClassOf(item, control);
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
    control.GetNative().element = element;
    control.GetNative().size = {area.right - area.left, area.bottom - area.top};
}

// Template order is the page's order, which is the tab order.
void dialog_hooks::OrderControls(Dialog& dialog, const std::vector<DialogCore::Control>& controls) {
    for (const DialogCore::Control& control : controls) {
        vidad_append_control(StateOf(dialog).element, control.window->GetNative().element);
    }
}

void dialog_hooks::Focus(Dialog&, Window& control) {
    vidad_focus(control.GetNative().element);
}

// A dialog without a window menu shows none, and the page may ask again.
void dialog_hooks::ShowMenu(Dialog& dialog, const std::vector<SystemMenu::Native::Entry>* entries,
                            Point) {
    const std::int32_t element = StateOf(dialog).element;
    if (entries) {
        for (const SystemMenu::Native::Entry& entry : *entries) {
            vidad_menu_add(element, entry.commandId, entry.text.data(),
                           static_cast<std::int32_t>(entry.text.size()));
        }
    }
    vidad_menu_show(element);
}

// A page has no minimized windows.
bool dialog_hooks::CanMinimize() {
    return false;
}

void dialog_hooks::Minimize(Dialog&) {}

void dialog_hooks::EndDialog(Dialog& dialog, int result) {
    DialogNative& state = StateOf(dialog);
    state.ended = true;
    state.result = result;
}

// The window goes when its run ends, as a dialog's window does.
int dialog_hooks::RunModal(Dialog& dialog) {
    DialogNative& state = StateOf(dialog);
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

// The page shows one icon for a window, in its title bar, and the
// application window's is also the page's own.
void Dialog::SetIcon(const Icon& icon, bool big) {
    const Icon::Native* native = icon.GetNative();
    if (!big && native) {
        vidad_set_window_icon(StateOf(*this).element, native->id);
    }
}

} // namespace platform
