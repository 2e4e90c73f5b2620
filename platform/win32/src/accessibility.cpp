#include "accessibility.h"

#include "platform/win32/access.h"

#include <commctrl.h>
#include <initguid.h>
#include <iterator>
#include <oleacc.h>
#include <set>

namespace platform {
namespace {

constexpr UINT_PTR kSubclassId = 1;
const MSAAPROPID kProperties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

// The system's annotation service, held only while some annotated window
// lives: the last one to go releases it, before the application ends COM.
struct Services {
    IAccPropServices* held = nullptr;
    std::set<HWND> windows;
    IAccPropServices* forTesting = nullptr;
};

Services& State() {
    static Services state;
    return state;
}

IAccPropServices* Acquire() {
    Services& state = State();
    if (!state.held && state.forTesting) {
        state.forTesting->AddRef();
        state.held = state.forTesting;
    } else if (!state.held) {
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&state.held));
    }
    return state.held;
}

void ReleaseIfUnused() {
    Services& state = State();
    if (state.windows.empty() && state.held) {
        state.held->Release();
        state.held = nullptr;
    }
}

// An annotated window clears its annotations as it goes, so that none
// outlives it and a later window with the same handle starts without them.
LRESULT CALLBACK AnnotatedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, AnnotatedProc, kSubclassId);
        Services& state = State();
        state.held->ClearHwndProps(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   kProperties, static_cast<int>(std::size(kProperties)));
        state.windows.erase(hwnd);
        ReleaseIfUnused();
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool Watch(HWND hwnd) {
    std::set<HWND>& windows = State().windows;
    if (windows.contains(hwnd)) {
        return true;
    }
    if (!SetWindowSubclass(hwnd, AnnotatedProc, kSubclassId, 0)) {
        return false;
    }
    windows.insert(hwnd);
    return true;
}

} // namespace

void Annotate(HWND hwnd, Annotation what, const std::wstring& text) {
    IAccPropServices* services = hwnd ? Acquire() : nullptr;
    if (!services) {
        return;
    }
    if (!Watch(hwnd)) {
        ReleaseIfUnused();
        return;
    }
    const MSAAPROPID property = what == Annotation::Name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    services->SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                             text.c_str());
}

void win32::UseAnnotationServicesForTesting(IAccPropServices* services) {
    State().forTesting = services;
}

} // namespace platform
