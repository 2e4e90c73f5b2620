#pragma once

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/system_menu.h"

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class DataExchange;

// A dialog built from a template: the modal run creates the window and its
// controls, lets the dialog initialise and bind its member controls, and
// runs it. Push buttons send their id as a command; by default OK accepts
// and Cancel (Escape, the close button, Close in the window menu) rejects.
class ModalDialog : public QDialog {
    Q_OBJECT

public:
    ModalDialog(const DialogTemplate& dialogTemplate, QWidget* parent);
    ~ModalDialog() override;

    int DoModal();

    // Creates and initialises the window without running it.
    void Create();

    // The control with the id, built now if the dialog has not built it yet.
    QWidget* GetDlgItem(int id);

    // The window menu as it stands, or none for a template without one.
    SystemMenu* GetSystemMenu();

protected:
    virtual void BindControls(DataExchange& dx);
    virtual bool OnDialogInit();
    virtual void OnCommand(int id);
    virtual void OnSystemCommand(std::uint32_t id, std::intptr_t param);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class DataExchange;

    struct Control {
        const ControlTemplate* item;
        QWidget* widget;
    };

    void SetUpWindow();
    QWidget* Materialize(Control& control);
    void CreateRemainingControls();
    void ApplyTemplate(QWidget& widget, const ControlTemplate& item);
    void Attach(int id, QWidget& member);
    void SetTabOrderAndFocus(bool focusFirst);

    const DialogTemplate& template_;
    BaseUnits base_;
    std::vector<Control> controls_;
    std::unique_ptr<SystemMenu> systemMenu_;
    bool created_ = false;
};

// Hands the dialog's member controls to the template controls of their ids.
class DataExchange {
public:
    explicit DataExchange(ModalDialog& dialog) : dialog_(dialog) {}

    // From now on `member` is the control with this id: it takes the
    // template control's place, geometry, text and styles.
    void Attach(int id, QWidget& member) { dialog_.Attach(id, member); }

private:
    ModalDialog& dialog_;
};

} // namespace platform
