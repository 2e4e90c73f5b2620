#pragma once

#include "platform/clock.h"
#include "platform/color.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class Dialog;
class Window;
} // namespace platform

// The null backend's windows live in memory and do nothing by themselves:
// the caller types, presses, opens menus, answers modal runs and sets the
// clock, and reads back what the windows show.
namespace platform::null {

// A modal run as it starts: a dialog's, or a message box's (no dialog).
struct ModalRun {
    Dialog* dialog = nullptr;
    const Window* owner = nullptr;
    std::u16string caption;
    std::u16string text;
};

// Answers every modal run while it is open: a dialog's run it leaves open
// ends as cancelled, a message box ends as OK. Without a hook every run
// ends so at once.
void SetModalHook(std::function<void(ModalRun&)> hook);

// Today by the system clock, which stands still where the caller puts it.
void SetSystemDate(LocalDate date);

Window* ControlOf(Dialog& dialog, int id);
int IdOf(const Window& control);
const std::u16string& TextOf(const Window& window);
bool IsVisible(const Window& window);
bool IsRunning(const Dialog& dialog);

// Puts text into a field as a paste does: nothing is filtered.
void Type(Window& field, std::u16string text);
void Click(Dialog& dialog, int id);
// Enter presses the focused push button, else the default one; Escape is
// the Cancel command; Tab moves the focus to the next tab stop.
void PressEnter(Dialog& dialog);
void PressEscape(Dialog& dialog);
void PressTab(Dialog& dialog);
Window* Focused();

// The window menu's entries as it opens them, (0, "") for a separator, and
// the choice of one.
std::vector<std::pair<std::uint32_t, std::u16string>> OpenSystemMenu(Dialog& dialog);
void Choose(Dialog& dialog, std::uint32_t command);
void PressCloseButton(Dialog& dialog);

// Paints a painted control anew from its stored values, as an expose does.
void Expose(Window& control);
// A painted control's pixel as it shows, or none where nothing is drawn.
std::optional<ColorRef> PixelOf(const Window& control, std::int32_t x, std::int32_t y);

} // namespace platform::null
