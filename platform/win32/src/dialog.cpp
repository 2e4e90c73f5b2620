#include "platform/dialog.h"

#include "handlers.h"
#include "native.h"
#include "platform/win32/access.h"
#include "platform/win32/dialog_template.h"

#include <utility>

namespace platform {
namespace {

// The dialog whose modal run is innermost on this thread.
thread_local Dialog* innermostModal = nullptr;

DialogNative& StateOf(const Dialog& dialog) {
    return static_cast<DialogNative&>(dialog.GetNative());
}

// The dialog's message table: what a handler does not take gets the dialog
// manager's default handling.
INT_PTR Dispatch(Dialog& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return Handlers::DialogInit(dialog) ? TRUE : FALSE;
    case WM_COMMAND:
        // Clicks, Enter and Escape; the controls' other notifications, such
        // as an edit's change, are not handled.
        if (HIWORD(wParam) != 0) {
            return FALSE;
        }
        Handlers::Command(dialog, LOWORD(wParam));
        return TRUE;
    case WM_SYSCOMMAND:
        Handlers::SystemCommand(dialog, static_cast<std::uint32_t>(wParam), lParam);
        return TRUE;
    case WM_PAINT:
        Handlers::Paint(dialog);
        return TRUE;
    case WM_QUERYDRAGICON: {
        const Icon icon = Handlers::DragIconQuery(dialog);
        return icon.GetNative() ? reinterpret_cast<INT_PTR>(icon.GetNative()->big) : FALSE;
    }
    case WM_NCDESTROY:
        dialog.GetNative().hwnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

// The dialog manager's procedure for every platform dialog: the dialog object
// comes with the initialisation message and is kept in the window after it.
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->GetNative().hwnd = hwnd;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog) {
        return FALSE;
    }
    return Dispatch(*dialog, message, wParam, lParam);
}

// A dialog without a parent belongs to the thread's active window, or else to
// the dialog running modally, so that its modal run disables that window and
// it shows over it: an About box opened from the main dialog's window menu,
// even when another program is in the foreground.
HWND OwnerOf(const DialogNative& state) {
    if (state.parent) {
        return state.parent->GetNative().hwnd;
    }
    if (const HWND active = GetActiveWindow()) {
        return GetAncestor(active, GA_ROOT);
    }
    return innermostModal ? innermostModal->GetNative().hwnd : nullptr;
}

} // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, Window* parent)
    : Window(std::make_unique<DialogNative>(dialogTemplate, parent)) {}

Dialog::~Dialog() {
    if (GetNative().hwnd) {
        DestroyWindow(GetNative().hwnd);
    }
}

int Dialog::DoModal() {
    const DialogNative& state = StateOf(*this);
    const std::vector<std::uint16_t> words = win32::BuildDialogTemplate(state.dialogTemplate);
    const HWND owner = OwnerOf(state);
    Dialog* const outer = std::exchange(innermostModal, this);
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner,
        DialogProc, reinterpret_cast<LPARAM>(this));
    innermostModal = outer;
    return static_cast<int>(result);
}

void Dialog::Create() {
    const DialogNative& state = StateOf(*this);
    if (state.hwnd) {
        return;
    }
    const std::vector<std::uint16_t> words = win32::BuildDialogTemplate(state.dialogTemplate);
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                               reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), OwnerOf(state),
                               DialogProc, reinterpret_cast<LPARAM>(this));
}

// The system's own window menu, as it stands, behind one wrapper for the
// dialog's life: a pointer handed out earlier stays good.
SystemMenu* Dialog::GetSystemMenu() {
    DialogNative& state = StateOf(*this);
    const HMENU menu = ::GetSystemMenu(state.hwnd, FALSE);
    if (!menu) {
        return nullptr;
    }
    if (!state.systemMenu) {
        state.systemMenu = std::make_unique<SystemMenu>(std::make_unique<SystemMenu::Native>(menu));
    }
    state.systemMenu->GetNative().menu = menu;
    return state.systemMenu.get();
}

void Dialog::SetIcon(const Icon& icon, bool big) {
    const Icon::Native* native = icon.GetNative();
    const HICON image = native ? (big ? native->big : native->small) : nullptr;
    SendMessageW(GetNative().hwnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(image));
}

void Dialog::SendIconEraseBackground(Surface& dc) {
    SendMessageW(GetNative().hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetNative().dc),
                 0);
}

void Dialog::OnCommand(int id) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(GetNative().hwnd, id);
    }
}

// Moving, minimizing, Close (which becomes the cancel command), Alt+Space and
// the rest are the window system's own.
void Dialog::OnSystemCommand(std::uint32_t nID, std::intptr_t lParam) {
    DefWindowProcW(GetNative().hwnd, WM_SYSCOMMAND, nID, lParam);
}

// The window system's own painting; under a paint surface already held it
// finds nothing left to paint.
void Dialog::OnPaint() {
    DefWindowProcW(GetNative().hwnd, WM_PAINT, 0, 0);
}

void Dialog::Attach(int id, Window& member) {
    if (const HWND control = GetDlgItem(GetNative().hwnd, id)) {
        member.GetNative().Attach(control);
    }
}

} // namespace platform
