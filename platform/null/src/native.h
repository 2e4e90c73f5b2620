#pragma once

// The null backend: every operation of platform's headers, with no toolkit.
// Windows are records in memory, laid out by the shared dialog core
// (dialog_core.h) with the base units of a common dialog font; painted
// controls keep their picture (picture.h) at one device pixel per pixel.
// Nothing happens until the caller drives it (platform/null/access.h).
// What it cannot do: show anything, measure or draw text and icons (the
// dialog's TextOut and DrawIcon draw nothing), encode GBK (every
// non-ASCII character of a field is one byte no parse accepts). See
// platform/README.md.

#include "dialog_core.h"
#include "picture.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/resources.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Window::Native {
    enum class Kind { Dialog, Button, Edit, Static, Painted };

    explicit Native(Kind kind) : kind(kind) {}
    virtual ~Native();
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    Kind kind;
    Dialog* dialog = nullptr; // the dialog the control stands in
    const ControlTemplate* item = nullptr;
    Rect area; // in the dialog's client pixels
    std::u16string text;
    std::u16string accessibleName;
    std::u16string accessibleDescription;
    bool visible = false;
    bool iconic = false;
};

struct PaintedNative : Window::Native {
    PaintedNative() : Native(Kind::Painted) {}

    Picture picture;
};

struct DialogNative : Window::Native, DialogCore {
    explicit DialogNative(const DialogTemplate& dialogTemplate)
        : Native(Kind::Dialog), DialogCore(dialogTemplate) {}

    std::vector<Window*> tabOrder;
    std::vector<SystemMenu::Native::Entry> shownMenu;
    bool running = false;
    int result = 0;
};

struct Icon::Native {
    int id;
};

DialogNative& StateOf(const Dialog& dialog);

// Paints every painted control of the dialog anew.
void PaintAll(DialogNative& state);

// A message box's modal run, handed to the caller's hook.
int AnswerMessageBox(Window& owner, std::u16string_view caption, std::u16string_view text);

} // namespace platform
