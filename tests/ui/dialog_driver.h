#pragma once

#include "platform/clock.h"
#include "ui/biorhythm_dlg.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A modal box the dialog ran, answered by its default button.
struct ShownBox {
    std::u16string title;
    std::u16string text; // a message box's; empty for a dialog
    bool ownedByMainDialog = false;
};

// The main dialog on one backend, driven as a user would and read back as a
// user sees it, so that one suite of scenarios runs on every backend that
// has a driver. Today is the fixture's date.
class DialogDriver {
public:
    virtual ~DialogDriver() = default;

    // Shows a new main dialog as at start-up, and takes it down.
    virtual void Start() = 0;
    virtual void Stop() = 0;

    virtual std::u16string Title() = 0;
    // A field's or a label's text.
    virtual std::u16string Text(int id) = 0;
    virtual bool IsVisible(int id) = 0;
    // Puts text into a field as a paste does: nothing is filtered.
    virtual void Type(int id, const std::u16string& text) = 0;
    virtual void Click(int id) = 0;
    virtual void PressEnter() = 0;
    virtual void PressTab() = 0;
    // The id of the control with the focus; 0 for none.
    virtual int FocusedId() = 0;

    // The window menu's entries as it opens, "-" for a separator, and the
    // choice of one by its command.
    virtual std::vector<std::u16string> OpenWindowMenu() = 0;
    virtual void Choose(std::uint32_t command) = 0;
    virtual bool IsMinimized() = 0;

    // The columns of a curve control that are black from top to bottom, as
    // the control shows them, and a repaint of it from its stored values.
    virtual std::vector<int> MarkerColumns(int curveId) = 0;
    virtual void Expose(int curveId) = 0;

    // Runs a new main dialog modally, with `act` done once it runs; false
    // if the run did not end.
    virtual bool RunModally(const std::function<void(DialogDriver&)>& act) = 0;
    // Ways to end it.
    virtual void PressEscape() = 0;
    virtual void PressCloseButton() = 0;

    // The boxes shown so far, and the name a box without a caption takes.
    virtual std::vector<ShownBox> Boxes() = 0;
    virtual std::u16string ApplicationName() = 0;

    platform::LocalDate today{2026, 12, 7};
};

std::unique_ptr<DialogDriver> NewDialogDriver();
