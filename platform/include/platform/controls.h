#pragma once

#include "platform/window.h"

#include <string>

namespace platform {

// A one-line edit control.
class Edit : public Window {
public:
    Edit();

    // The text in the program's 8-bit code page, GBK, as the control hands
    // it over. A character GBK cannot hold becomes a byte no parse accepts.
    std::string GetWindowText() const;
};

// A static text control.
class Static : public Window {
public:
    Static();

protected:
    explicit Static(std::unique_ptr<Native> native);
};

// A static control that paints all of itself in OnPaint, registered under a
// window class name of its own. It paints no background, so its parent's
// shows wherever it draws nothing.
class PaintedStatic : public Static {
public:
    explicit PaintedStatic(const char* className);

    const char* ClassName() const { return className_; }

protected:
    virtual void OnPaint() = 0;

private:
    friend struct Window::Native;

    const char* className_;
};

} // namespace platform
