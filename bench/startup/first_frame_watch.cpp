// Times a program's start-up as a person sees it: from exec to the first frame
// on the X display that shows the curve controls' frame colour, #001400.
// Prints one line, "first_frame_ms=41.2 vmhwm_kib=32768", and exits non-zero
// with a reason on standard error when there is no such frame in time.

#include "child.h"
#include "frame_watch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// 0xRRGGBB, as X pixels are read here; the program itself writes the same
// very dark green as 0x00BBGGRR, 0x00001400.
constexpr unsigned kFrameColour = 0x001400;

int usage() {
    std::fprintf(stderr, "usage: first_frame_watch [--timeout SECONDS] [--] COMMAND [ARG...]\n");
    return 2;
}

int fail(const std::string& reason) {
    std::fprintf(stderr, "first_frame_watch: %s\n", reason.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    double timeoutS = 10;
    int first = 1;
    while (first < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "--timeout") != 0 || first + 1 >= argc)
            return usage();
        timeoutS = std::strtod(argv[first + 1], nullptr);
        if (timeoutS <= 0)
            return usage();
        first += 2;
    }
    if (first >= argc)
        return usage();

    FrameWatch watch;
    if (!watch.ready())
        return fail(watch.error());
    Child child(argv + first);
    if (!child.started())
        return fail(child.error());
    double deadlineMs = child.execMs() + timeoutS * 1000;

    Window window = watch.waitForMap(child, deadlineMs);
    if (window == None)
        return fail(watch.error());
    std::optional<double> seenMs = watch.waitForColour(window, kFrameColour, child, deadlineMs);
    if (!seenMs)
        return fail(watch.error());
    long peakKib = child.peakResidentKib();
    if (peakKib < 0)
        return fail("cannot read the program's VmHWM");
    std::printf("first_frame_ms=%.1f vmhwm_kib=%ld\n", *seenMs - child.execMs(), peakKib);
    return 0;
}
