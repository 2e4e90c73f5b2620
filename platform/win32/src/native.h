#pragma once

// The Win32 backend: every operation of platform's headers over the window
// system's own API. The dialog manager builds dialogs from in-memory
// templates, so it lays them out, orders and focuses their controls and keeps
// the window menu itself; painted controls draw on the window at once, with
// GDI. What it cannot do as the others do: show 确定 on a system in another
// language (the message box's button is the system's own). See
// platform/README.md.

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "platform/system_menu.h"
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The window behind a platform window: none until its dialog creates it or
// attaches it to a template control.
struct Window::Native {
    virtual ~Native() = default;

    // A dialog has taken the template control `hwnd` for this member.
    virtual void Attach(HWND control) { hwnd = control; }

    HWND hwnd = nullptr;
    // While the window answers a print request: the device context it paints
    // on in place of its own.
    HDC printing = nullptr;
};

// A dialog and the template it is built from.
struct DialogNative : Window::Native {
    DialogNative(const DialogTemplate& dialogTemplate, Window* parent)
        : dialogTemplate(dialogTemplate), parent(parent) {}

    const DialogTemplate& dialogTemplate;
    Window* parent;
    std::unique_ptr<SystemMenu> systemMenu;
};

struct SystemMenu::Native {
    HMENU menu;
};

// The icon group at the two sizes a window shows: the standard icon and the
// small one of the title bar. Shared images, which the system keeps.
struct Icon::Native {
    HICON big;
    HICON small;
};

// A device context and the pixel grid drawn on it: surface pixel p covers
// device pixels p * k to p * k + k - 1.
struct Surface::Native {
    Native(HDC dc, int width, int height, int k)
        : dc(dc), clip{0, 0, width / k, height / k}, k(k), dpi(GetDeviceCaps(dc, LOGPIXELSY)) {}
    virtual ~Native() = default;

    HDC dc;
    Rect clip;
    int k;
    // Pixels per inch: text is placed in pixels of 96 per inch, as the
    // window's content is laid out at the screen's scale.
    int dpi;
    Point position;
};

// The block factor for a device: the whole part of its pixels per 96, at
// least 1.
int BlockFactor(HDC dc);

// The program's name as the window system shows it: its file name without
// the folder and the extension.
const std::wstring& ApplicationName();

} // namespace platform
