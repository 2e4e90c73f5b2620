// The start-up baseline under Wine: qob's main dialog template run by the
// system's dialog manager with none of qob's code. Its three curve controls
// are plain owner-drawn statics that paint only their frame, in the curve
// frame colour the start-up watcher waits for. Comparing qob.exe with it
// tells how much qob's own code adds to what any such dialog costs.

#include "platform/win32/dialog_template.h"
#include "platform/win32/windows_api.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <cstdint>
#include <vector>

namespace {

const COLORREF kCurveFrame = RGB(0, 20, 0);

bool IsCurve(int id) {
    return id == IDC_CURVE_INTELLECT || id == IDC_CURVE_EMOTION || id == IDC_CURVE_PHYSICAL;
}

void DrawFrame(const DRAWITEMSTRUCT& item) {
    HBRUSH frame = CreateSolidBrush(kCurveFrame);
    FrameRect(item.hDC, &item.rcItem, frame);
    DeleteObject(frame);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_DRAWITEM:
        DrawFrame(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

int main() {
    std::vector<platform::ControlTemplate> controls(res::kMainDialog.controls.begin(),
                                                    res::kMainDialog.controls.end());
    for (platform::ControlTemplate& control : controls) {
        if (IsCurve(control.id)) {
            control.style = SS_OWNERDRAW | WS_VISIBLE;
        }
    }
    platform::DialogTemplate dialog = res::kMainDialog;
    dialog.controls = controls;
    const std::vector<std::uint16_t> words = platform::win32::BuildDialogTemplate(dialog);
    return static_cast<int>(DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr,
        DialogProc, 0));
}
