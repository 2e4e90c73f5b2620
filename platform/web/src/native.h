#pragma once

#include "icon_size.h"
#include "listed_system_menu.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The page element behind a window; a member control has none until its
// dialog binds it to a template control. Elements call their windows'
// handlers through the static members.
struct Window::Native {
    enum class Kind { Dialog, Edit, Static, Painted };

    explicit Native(Kind kind) : kind(kind) {}
    virtual ~Native();
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    static void Paint(PaintedStatic& control) { control.OnPaint(); }
    static void Paint(Dialog& dialog) { dialog.OnPaint(); }
    static void Command(Dialog& dialog, int id) { dialog.OnCommand(id); }
    static void SystemCommand(Dialog& dialog, std::uint32_t id) { dialog.OnSystemCommand(id, 0); }

    Kind kind;
    std::int32_t element = 0;
    Point size; // in CSS pixels, once laid out
};

// A painted control's picture, kept between paints so that drawing outside
// a paint request lands on top of what the control shows: RGBA pixels over
// the device pixels of the control's canvas.
struct PaintedNative : Window::Native {
    PaintedNative() : Native(Kind::Painted) {}

    std::vector<std::uint32_t> pixels;
    std::int32_t width = 0;
    std::int32_t height = 0;
    int k = 1;
};

// A dialog's window and what the dialog keeps of its template.
struct DialogNative : Window::Native {
    struct Control {
        const ControlTemplate* item;
        Window* member; // none for the controls the dialog builds itself
        std::int32_t element;
    };

    DialogNative(Dialog& dialog, const DialogTemplate& dialogTemplate)
        : Native(Kind::Dialog), dialog(dialog), dialogTemplate(dialogTemplate) {}

    Dialog& dialog;
    const DialogTemplate& dialogTemplate;
    BaseUnits base;
    std::vector<Control> controls;
    std::unique_ptr<SystemMenu> systemMenu;
    bool created = false;
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
