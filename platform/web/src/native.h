#pragma once

// The web backend: every operation of platform's headers over the page's
// elements, through the page's scripts (page.h). Dialogs are laid out by the
// shared dialog core (dialog_core.h) and shown as <dialog> elements; painted
// controls keep their picture (picture.h) and show it on a canvas. What it
// cannot do as the window system does: minimize (a page has no minimized
// windows, so the window menu offers only Close), encode text in GBK (a
// browser has no GBK encoder: every non-ASCII character of a field is one
// byte no parse accepts), limit a field's length, paint a window's face
// itself (the style sheet does). See platform/README.md.

#include "dialog_core.h"
#include "icon_size.h"
#include "picture.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/resources.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

// The page element behind a window; a member control has none until its
// dialog binds it to a template control.
struct Window::Native {
    enum class Kind { Dialog, Edit, Static, Painted };

    explicit Native(Kind kind) : kind(kind) {}
    virtual ~Native();
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    Kind kind;
    std::int32_t element = 0;
    Point size; // in CSS pixels, once laid out
};

// A painted control's picture over the device pixels of its canvas.
struct PaintedNative : Window::Native {
    PaintedNative() : Native(Kind::Painted) {}

    Picture picture;
};

// A dialog's window and what the dialog keeps of its template.
struct DialogNative : Window::Native, DialogCore {
    DialogNative(Dialog& dialog, const DialogTemplate& dialogTemplate)
        : Native(Kind::Dialog), DialogCore(dialogTemplate), dialog(dialog) {}

    Dialog& dialog;
    bool ended = false;
    int result = 0;
};

// An icon group is the page's images of it, by size.
struct Icon::Native {
    int id;
};

// The dialog font's size in CSS pixels for a template's point size.
inline double DialogFontPixels(int pointSize) {
    return pointSize * 96.0 / 72.0;
}

namespace web {

void SetText(std::int32_t element, std::u16string_view text);

} // namespace web

} // namespace platform
