// The program whose start-up is timed: started, measured and always ended.
#pragma once

#include <string>
#include <sys/types.h>

// Milliseconds on CLOCK_MONOTONIC, the clock every timestamp here uses.
double monotonicMs();

class Child {
public:
    // Forks and execs argv (searched in PATH); check started() afterwards.
    explicit Child(char* const argv[]);
    // Kills the child if it still runs and reaps it, on every way out.
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid_ > 0; }
    const std::string& error() const { return error_; }
    pid_t pid() const { return pid_; }
    // Taken in the child just before it called exec.
    double execMs() const { return execMs_; }

    // True once the child has exited; reaps it.
    bool exited();
    // Peak resident set (VmHWM) in KiB, or -1 when it cannot be read.
    long peakResidentKib() const;

private:
    void stop();

    pid_t pid_ = -1;
    bool reaped_ = false;
    double execMs_ = 0;
    std::string error_;
};
