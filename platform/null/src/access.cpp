#include "platform/null/access.h"

#include "handlers.h"
#include "native.h"
#include "platform/window_styles.h"

#include <algorithm>

namespace platform {
namespace {

Window* focused = nullptr;

std::function<void(null::ModalRun&)>& Hook() {
    static std::function<void(null::ModalRun&)> hook;
    return hook;
}

Window* DefaultButton(DialogNative& state) {
    for (const DialogCore::Control& control : state.controls) {
        if (control.item->controlClass == ControlClass::Button &&
            (control.item->style & bs::kDefPushButton)) {
            return control.window;
        }
    }
    return nullptr;
}

} // namespace

// A window that goes takes the focus with it.
Window::Native::~Native() {
    if (focused && &focused->GetNative() == this) {
        focused = nullptr;
    }
}

void dialog_hooks::Focus(Dialog&, Window& control) {
    focused = &control;
}

void dialog_hooks::ShowMenu(Dialog& dialog, const std::vector<SystemMenu::Native::Entry>* entries,
                            Point) {
    StateOf(dialog).shownMenu = entries ? *entries : std::vector<SystemMenu::Native::Entry>{};
}

// The run shows the dialog, painted, and lasts as long as its hook leaves it
// open.
int dialog_hooks::RunModal(Dialog& dialog) {
    DialogNative& state = StateOf(dialog);
    state.running = true;
    state.visible = true;
    PaintAll(state);
    null::ModalRun run{&dialog, nullptr, {}, {}};
    if (Hook()) {
        Hook()(run);
    }
    if (state.running) {
        EndDialog(dialog, kIdCancel);
    }
    state.visible = false;
    return state.result;
}

int AnswerMessageBox(Window& owner, std::u16string_view caption, std::u16string_view text) {
    null::ModalRun run{nullptr, &owner, std::u16string(caption), std::u16string(text)};
    if (Hook()) {
        Hook()(run);
    }
    return kIdOk;
}

void null::SetModalHook(std::function<void(ModalRun&)> hook) {
    Hook() = std::move(hook);
}

Window* null::ControlOf(Dialog& dialog, int id) {
    return platform::ControlOf(dialog, id);
}

int null::IdOf(const Window& control) {
    const ControlTemplate* item = control.GetNative().item;
    return item ? item->id : 0;
}

const std::u16string& null::TextOf(const Window& window) {
    return window.GetNative().text;
}

bool null::IsVisible(const Window& window) {
    return window.GetNative().visible;
}

bool null::IsRunning(const Dialog& dialog) {
    return StateOf(dialog).running;
}

void null::Type(Window& field, std::u16string text) {
    field.GetNative().text = std::move(text);
}

void null::Click(Dialog& dialog, int id) {
    Handlers::Command(dialog, id);
}

void null::PressEnter(Dialog& dialog) {
    Window* button = focused && focused->GetNative().kind == Window::Native::Kind::Button
                         ? focused
                         : DefaultButton(StateOf(dialog));
    if (button) {
        Handlers::Command(dialog, IdOf(*button));
    }
}

void null::PressEscape(Dialog& dialog) {
    Handlers::Command(dialog, kIdCancel);
}

void null::PressTab(Dialog& dialog) {
    const std::vector<Window*>& order = StateOf(dialog).tabOrder;
    if (order.empty()) {
        return;
    }
    const auto at = std::find(order.begin(), order.end(), focused);
    focused = at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1);
}

Window* null::Focused() {
    return focused;
}

std::vector<std::pair<std::uint32_t, std::u16string>> null::OpenSystemMenu(Dialog& dialog) {
    platform::OpenSystemMenu(dialog, {});
    std::vector<std::pair<std::uint32_t, std::u16string>> entries;
    for (const SystemMenu::Native::Entry& entry : StateOf(dialog).shownMenu) {
        entries.emplace_back(entry.commandId, entry.text);
    }
    return entries;
}

void null::Choose(Dialog& dialog, std::uint32_t command) {
    Handlers::SystemCommand(dialog, command);
}

void null::PressCloseButton(Dialog& dialog) {
    Handlers::SystemCommand(dialog, sc::kClose);
}

void null::Expose(Window& control) {
    if (control.GetNative().kind == Window::Native::Kind::Painted) {
        Handlers::Paint(static_cast<PaintedStatic&>(control));
    }
}

std::optional<ColorRef> null::PixelOf(const Window& control, std::int32_t x, std::int32_t y) {
    if (control.GetNative().kind != Window::Native::Kind::Painted) {
        return std::nullopt;
    }
    const Picture& picture = static_cast<const PaintedNative&>(control.GetNative()).picture;
    const Rect client = picture.ClientRect();
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom || !picture.IsDrawn(x, y)) {
        return std::nullopt;
    }
    return picture.ColorAt(x, y);
}

} // namespace platform
