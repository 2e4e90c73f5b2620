#include "edit_length_limit.h"

#include "platform/controls.h"
#include "text.h"

#include <commctrl.h>
#include <imm.h>
#include <string>

namespace platform {
namespace {

constexpr UINT_PTR kSubclassId = 2;

// Runs the edit's own handling of a paste or an input method's result with
// its limit lifted, so that nothing is cut, and refuses the result whole if
// it does not fit: the edit gets back its text and selection, and beeps. The
// edit's rule for which part of the clipboard a single line takes stays its
// own. The refused text cannot come back through undo.
LRESULT InsertWhole(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto limit = static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    const std::wstring before = WideTextOf(edit);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
    if (GetWindowTextLengthW(edit) > limit) {
        SetWindowTextW(edit, before.c_str());
        SendMessageW(edit, EM_SETSEL, start, end);
        MessageBeep(MB_OK);
    }
    return result;
}

LRESULT CALLBACK LimitedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    switch (message) {
    case WM_PASTE:
        return InsertWhole(hwnd, message, wParam, lParam);
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR) {
            return InsertWhole(hwnd, message, wParam, lParam);
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, LimitedProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void LimitEditWhole(HWND edit) {
    // Set explicitly: some systems give an edit control less by default.
    SendMessageW(edit, EM_SETLIMITTEXT, Edit::kMaxLength, 0);
    SetWindowSubclass(edit, LimitedProc, kSubclassId, 0);
}

} // namespace platform
