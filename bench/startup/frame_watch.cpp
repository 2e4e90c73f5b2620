#include "frame_watch.h"

#include "child.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <bit>
#include <fcntl.h>
#include <poll.h>

namespace {

// The program may destroy its window at any moment; a request on a vanished
// window must then fail quietly instead of ending the watcher.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

unsigned channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = std::countr_zero(mask);
    unsigned long top = mask >> shift;
    return static_cast<unsigned>(((pixel & mask) >> shift) * 255 / top);
}

} // namespace

FrameWatch::FrameWatch() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        error_ = "cannot open the X display (is DISPLAY set?)";
        return;
    }
    // The measured program must not inherit the watcher's X connection.
    fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreXError);
    int errorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
        damageEventBase_ = -1;
        error_ = "the X server has no DAMAGE extension";
        return;
    }
    int major = 1, minor = 1;
    XDamageQueryVersion(display_, &major, &minor);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

FrameWatch::~FrameWatch() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

bool FrameWatch::nextEvent(XEvent& event, Child& child, double deadlineMs, const char* awaited) {
    for (;;) {
        if (XPending(display_) > 0) {
            XNextEvent(display_, &event);
            return true;
        }
        if (child.exited()) {
            error_ = std::string("the program exited while waiting for ") + awaited;
            return false;
        }
        double left = deadlineMs - monotonicMs();
        if (left <= 0) {
            error_ = std::string("timed out waiting for ") + awaited;
            return false;
        }
        // Short slices, so that a child that dies silently is noticed.
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(std::min(left, 50.0)) + 1);
    }
}

bool FrameWatch::belongsTo(Window window, Child& child) {
    Atom pidAtom = XInternAtom(display_, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool ours = false;
    if (XGetWindowProperty(display_, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit properties back as longs.
        ours = format == 32 && count == 1 && *reinterpret_cast<long*>(data) == child.pid();
    }
    if (data != nullptr)
        XFree(data);
    return ours;
}

Window FrameWatch::waitForMap(Child& child, double deadlineMs) {
    XEvent event;
    while (nextEvent(event, child, deadlineMs, "its window to map")) {
        // No window manager runs, so top-level windows map straight onto the
        // root; override-redirect ones are popups and tooltips.
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display_) &&
            !event.xmap.override_redirect && belongsTo(event.xmap.window, child))
            return event.xmap.window;
    }
    return None;
}

bool FrameWatch::showsColour(Window window, unsigned rgb) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes))
        return false;
    XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    unsigned want[] = {(rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff};
    bool found = false;
    for (int y = 0; y < image->height && !found; ++y) {
        for (int x = 0; x < image->width && !found; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            found = channel(pixel, image->red_mask) == want[0] &&
                    channel(pixel, image->green_mask) == want[1] &&
                    channel(pixel, image->blue_mask) == want[2];
        }
    }
    XDestroyImage(image);
    return found;
}

std::optional<double> FrameWatch::waitForColour(Window window, unsigned rgb, Child& child,
                                                double deadlineMs) {
    // The damage object exists before the first look, so whatever is drawn
    // after that look is reported and looked at again.
    Damage damage = XDamageCreate(display_, window, XDamageReportNonEmpty);
    std::optional<double> seenMs;
    bool look = true;
    XEvent event;
    for (;;) {
        if (look) {
            XDamageSubtract(display_, damage, None, None);
            bool found = showsColour(window, rgb);
            if (found) {
                seenMs = monotonicMs();
                break;
            }
        }
        if (!nextEvent(event, child, deadlineMs, "the frame colour"))
            break;
        look = event.type == damageEventBase_ + XDamageNotify;
    }
    XDamageDestroy(display_, damage);
    return seenMs;
}
