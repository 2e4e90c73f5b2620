#include "platform/controls.h"

#include "edit_length_limit.h"
#include "handlers.h"
#include "native.h"
#include "text.h"

#include <commctrl.h>

namespace platform {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// Paints the control on `dc`, as a paint request would on the window.
void Print(PaintedStatic& control, HDC dc) {
    Window::Native& native = control.GetNative();
    native.printing = dc;
    Handlers::Paint(control);
    native.printing = nullptr;
}

// Paint requests go to the control's OnPaint and nowhere else, so the static
// control's own text and frame never show; so do requests to print the client
// area on a given device context, which screenshots, PrintWindow and the
// system's previews make (a WM_PRINT becomes one). All else is the static
// control's.
LRESULT CALLBACK PaintedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR control) {
    if (message == WM_PAINT) {
        Handlers::Paint(*reinterpret_cast<PaintedStatic*>(control));
        return 0;
    }
    if (message == WM_PRINTCLIENT) {
        Print(*reinterpret_cast<PaintedStatic*>(control), reinterpret_cast<HDC>(wParam));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, PaintedProc, kSubclassId);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// A painted static takes over its template control's window procedure.
struct PaintedNative : Window::Native {
    explicit PaintedNative(PaintedStatic& control) : control(control) {}

    void Attach(HWND control_) override {
        Native::Attach(control_);
        SetWindowSubclass(hwnd, PaintedProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&control));
    }

    PaintedStatic& control;
};

// An edit refuses whole what would not fit.
struct EditNative : Window::Native {
    void Attach(HWND control) override {
        Native::Attach(control);
        LimitEditWhole(hwnd);
    }
};

} // namespace

Edit::Edit() : Window(std::make_unique<EditNative>()) {}

std::string Edit::GetWindowText() const {
    return ToGbk(WideTextOf(GetNative().hwnd));
}

Static::Static() : Static(std::make_unique<Native>()) {}

Static::Static(std::unique_ptr<Native> native) : Window(std::move(native)) {}

PaintedStatic::PaintedStatic(const char* className)
    : Static(std::make_unique<PaintedNative>(*this)), className_(className) {}

} // namespace platform
