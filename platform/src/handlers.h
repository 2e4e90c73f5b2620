#pragma once

#include "platform/controls.h"
#include "platform/dialog.h"

#include <cstdint>

namespace platform {

// The one way from a backend's events to the program's handlers, which are
// protected: every backend calls them through here.
class Handlers {
public:
    static void Paint(PaintedStatic& control) { control.OnPaint(); }
    static void Paint(Dialog& dialog) { dialog.OnPaint(); }
    static bool DialogInit(Dialog& dialog) { return dialog.OnDialogInit(); }
    static void Command(Dialog& dialog, int id) { dialog.OnCommand(id); }
    static void SystemCommand(Dialog& dialog, std::uint32_t id, std::intptr_t lParam = 0) {
        dialog.OnSystemCommand(id, lParam);
    }
    static Icon DragIconQuery(Dialog& dialog) { return dialog.OnDragIconQuery(); }
};

} // namespace platform
