// Preloaded into Wine's 32-bit processes: moves the wall clock by
// QOB_CLOCK_SHIFT_S seconds, so that a window test sees the day it wants as
// today. Wine's ntdll asks glibc for the time through the 64-bit-time entry
// point, which libfaketime does not wrap on i386. Built with the host's
// compiler in 32-bit mode and no C library headers, as the machine has none
// for i386, hence the declarations below.

extern "C" {
char* getenv(const char* name);
long long strtoll(const char* text, char** end, int base);
void* dlsym(void* handle, const char* name);
}

namespace {

// struct __timespec64 on i386: 64-bit seconds, then nanoseconds padded to 8.
struct Timespec64 {
    long long seconds;
    long nanoseconds;
    long padding;
};

using ClockGetTime64 = int (*)(int clock, Timespec64* time);

constexpr int kClockRealtime = 0;
constexpr int kClockRealtimeCoarse = 5;
void* const kNextLibrary = reinterpret_cast<void*>(-1L);

} // namespace

extern "C" int __clock_gettime64(int clock, Timespec64* time) {
    static ClockGetTime64 next = nullptr;
    if (next == nullptr) {
        next = reinterpret_cast<ClockGetTime64>(dlsym(kNextLibrary, "__clock_gettime64"));
    }
    const int result = next(clock, time);
    if (result == 0 && (clock == kClockRealtime || clock == kClockRealtimeCoarse)) {
        const char* shift = getenv("QOB_CLOCK_SHIFT_S");
        time->seconds += shift == nullptr ? 0 : strtoll(shift, nullptr, 10);
    }
    return result;
}
