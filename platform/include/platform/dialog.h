#pragma once

#include "platform/dialog_template.h"
#include "platform/resources.h"
#include "platform/window.h"

#include <cstdint>

namespace platform {

class DataExchange;
class Surface;
class SystemMenu;

// A dialog built from a template: the modal run creates the window and its
// controls, lets the dialog initialise and bind its member controls, and
// runs it. Push buttons send their id as a command; by default OK accepts
// and Cancel (Escape, the close button, Close in the window menu) rejects.
class Dialog : public Window {
public:
    Dialog(const DialogTemplate& dialogTemplate, Window* parent);
    ~Dialog() override;

    int DoModal();

    // Creates and initialises the window without running it.
    void Create();

    // The window menu as it stands, or none for a template without one.
    SystemMenu* GetSystemMenu();

    // The icon of the title bar (small) or of the task switcher (big).
    void SetIcon(const Icon& icon, bool big);

    // Has the window system fill the minimized window's background under its
    // icon on `dc`, the surface of the paint request.
    void SendIconEraseBackground(Surface& dc);

protected:
    virtual void BindControls(DataExchange& dx);
    virtual bool OnDialogInit();
    virtual void OnCommand(int id);
    virtual void OnSystemCommand(std::uint32_t nID, std::intptr_t lParam);
    // Paints on the dialog's background, under its controls; the default
    // is the window system's own painting.
    virtual void OnPaint();
    // The picture shown while the minimized window is dragged; none by default.
    virtual Icon OnDragIconQuery();

private:
    friend class DataExchange;
    friend class Handlers;

    void Attach(int id, Window& member);
};

// Hands the dialog's member controls to the template controls of their ids.
class DataExchange {
public:
    explicit DataExchange(Dialog& dialog) : dialog_(dialog) {}

    // From now on `member` is the control with this id: it takes the
    // template control's place, geometry, text and styles.
    void Attach(int id, Window& member) { dialog_.Attach(id, member); }

private:
    Dialog& dialog_;
};

} // namespace platform
