#pragma once

#include "listed_system_menu.h"
#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/geometry.h"

#include <memory>
#include <vector>

// The dialog manager of the backends that lay their dialogs out themselves
// (Qt, the page, the null backend): it binds the members to their template
// controls, builds the rest, orders them, gives the first the focus, keeps
// the window menu and maps OK, Cancel and Close. The backend's DialogNative
// derives from DialogCore, and the backend supplies the hooks below.
namespace platform {

struct DialogCore {
    struct Control {
        const ControlTemplate* item;
        // The member bound to the template control, or the control the
        // dialog built for it itself; none until either happens.
        Window* window = nullptr;
        std::unique_ptr<Window> built;
    };

    explicit DialogCore(const DialogTemplate& dialogTemplate) : dialogTemplate(dialogTemplate) {}

    const DialogTemplate& dialogTemplate;
    BaseUnits base;
    std::vector<Control> controls;
    std::unique_ptr<SystemMenu> systemMenu;
    bool created = false;
};

// A template control no member takes, built by the dialog itself; the
// backend defines its constructor.
class BuiltControl : public Window {
public:
    explicit BuiltControl(const ControlTemplate& item);
};

// Whether the control takes the focus, first or by Tab: visible, enabled and
// a tab stop.
bool TakesFocus(const ControlTemplate& item);

// The control with the id, built now if the dialog has not built it yet;
// none when the template has no such control.
Window* ControlOf(Dialog& dialog, int id);

// Shows the window menu at `at` (screen pixels), or, for a dialog without
// one, lets the backend know that none shows.
void OpenSystemMenu(Dialog& dialog, Point at);

// The hooks each such backend defines.
namespace dialog_hooks {

DialogCore& CoreOf(const Dialog& dialog);
// Builds the dialog's own window from its template (caption, font, fixed
// size, frame) and answers the base units of its font.
BaseUnits CreateDialogWindow(Dialog& dialog);
// Puts the control into the dialog at its template place, with the
// template's text and styles; a push button's click becomes its command.
void PlaceControl(Dialog& dialog, Window& control, const ControlTemplate& item);
// Stacks the controls, and sets the tab order among the tab stops, in
// template order.
void OrderControls(Dialog& dialog, const std::vector<DialogCore::Control>& controls);
void Focus(Dialog& dialog, Window& control);
// `entries` is null for a dialog without a window menu.
void ShowMenu(Dialog& dialog, const std::vector<SystemMenu::Native::Entry>* entries, Point at);
bool CanMinimize();
void Minimize(Dialog& dialog);
void EndDialog(Dialog& dialog, int result);
int RunModal(Dialog& dialog);

} // namespace dialog_hooks

} // namespace platform
