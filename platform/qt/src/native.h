#pragma once

// The Qt backend: every operation of platform's headers over Qt Widgets.
// Dialogs are laid out by the shared dialog core (dialog_core.h) from their
// templates in dialog units; painted controls keep their picture
// (picture.h) and show it in their paint event. What it cannot do as the
// window system does: add to the window manager's own window menu (the
// dialog shows a menu of its own), paint a minimized window (the window
// manager shows the icon), refuse a paste with a beep (Qt's line edit has
// no such signal). See platform/README.md.

#include "device_grid.h"
#include "dialog_core.h"
#include "icon_size.h"
#include "picture.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/resources.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QWidget>
#include <memory>

namespace platform {

// The widget behind a window, owned by it. A member control taken over by
// a dialog is the dialog widget's child but still goes with its member,
// which the dialog outlives.
struct Window::Native {
    explicit Native(std::unique_ptr<QWidget> owned) : widget(std::move(owned)) {}
    virtual ~Native() = default;

    std::unique_ptr<QWidget> widget;
};

// A painted control's picture and where it lay on the device when it was
// last painted whole.
struct PaintedNative : Window::Native {
    using Native::Native;

    // Shows the picture as it stands, without painting the control anew.
    void ShowPicture();

    Picture picture;
    DeviceGrid grid;
    bool showingPicture = false;
};

// A dialog's widget and what the dialog keeps of its template.
struct DialogNative : Window::Native, DialogCore {
    DialogNative(std::unique_ptr<QDialog> dialog, const DialogTemplate& dialogTemplate)
        : Native(std::move(dialog)), DialogCore(dialogTemplate) {}

    QDialog& Widget() const { return static_cast<QDialog&>(*widget); }

    // A child of the widget, so it goes before the widget does.
    std::unique_ptr<QMenu> menu;
};

struct Icon::Native {
    QIcon icon;
};

// The icon group with the id as Qt's icon.
QIcon LoadQIcon(int id);

} // namespace platform
