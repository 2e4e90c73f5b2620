#pragma once

#include "icon_size.h"
#include "listed_system_menu.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"
#include "platform/resources.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The widget behind a window, owned by it. A member control taken over by
// a dialog is the dialog widget's child but still goes with its member,
// which the dialog outlives. Widgets call their windows' handlers through
// the static members.
struct Window::Native {
    explicit Native(std::unique_ptr<QWidget> owned) : widget(std::move(owned)) {}
    virtual ~Native() = default;

    static void Paint(PaintedStatic& control) { control.OnPaint(); }
    static void Paint(Dialog& dialog) { dialog.OnPaint(); }
    static void Command(Dialog& dialog, int id) { dialog.OnCommand(id); }
    static void SystemCommand(Dialog& dialog, std::uint32_t id) { dialog.OnSystemCommand(id, 0); }

    std::unique_ptr<QWidget> widget;
};

// A dialog's widget and what the dialog keeps of its template.
struct DialogNative : Window::Native {
    struct Control {
        const ControlTemplate* item;
        QWidget* widget;
    };

    DialogNative(std::unique_ptr<QDialog> dialog, const DialogTemplate& dialogTemplate)
        : Native(std::move(dialog)), dialogTemplate(dialogTemplate) {}

    QDialog& Widget() const { return static_cast<QDialog&>(*widget); }

    const DialogTemplate& dialogTemplate;
    BaseUnits base;
    std::vector<Control> controls;
    std::unique_ptr<SystemMenu> systemMenu;
    // A child of the widget, so it goes before the widget does.
    std::unique_ptr<QMenu> menu;
    bool created = false;
};

struct Icon::Native {
    QIcon icon;
};

// The icon group with the id as Qt's icon.
QIcon LoadQIcon(int id);

} // namespace platform
