// Watching an X display for a program's top-level window and its first frame
// that shows a given colour.
#pragma once

#include <X11/Xlib.h>
#include <optional>
#include <string>

class Child;

class FrameWatch {
public:
    // Opens $DISPLAY and starts listening for top-level windows being mapped.
    // Construct it before starting the program, so that no map is missed.
    FrameWatch();
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    bool ready() const { return display_ != nullptr && damageEventBase_ >= 0; }
    const std::string& error() const { return error_; }

    // Waits for a top-level window of the child to be mapped; None on failure.
    Window waitForMap(Child& child, double deadlineMs);

    // Waits until the window holds a pixel of colour rgb (0xRRGGBB), looking
    // again after each change to its contents. Returns the CLOCK_MONOTONIC
    // time at which it was seen, or nothing on failure.
    std::optional<double> waitForColour(Window window, unsigned rgb, Child& child,
                                        double deadlineMs);

private:
    bool nextEvent(XEvent& event, Child& child, double deadlineMs, const char* awaited);
    bool belongsTo(Window window, Child& child);
    bool showsColour(Window window, unsigned rgb);

    Display* display_ = nullptr;
    int damageEventBase_ = -1;
    std::string error_;
};
