#pragma once

#include "platform/window.h"

#include <string>

namespace platform {

// A one-line edit control.
class Edit : public Window {
public:
    // The most characters it holds, as the window system's own edit control
    // does by default; an insertion that would not fit is refused whole,
    // never cut (platform/README.md says which backend needs no limit).
    static constexpr int kMaxLength = 32767;

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

// A static control that paints all of itself in OnPaint. It paints no
// background, so its parent's shows wherever it draws nothing. It carries a
// window class name of its own, which no backend registers: it takes over
// its template's static control, and the backend keeps the name beside it.
class PaintedStatic : public Static {
public:
    explicit PaintedStatic(const char* className);

    const char* ClassName() const { return className_; }

protected:
    virtual void OnPaint() = 0;

private:
    friend class Handlers;

    const char* className_;
};

} // namespace platform
