#include "child.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool readAll(int fd, void* buffer, size_t size) {
    auto* bytes = static_cast<char*>(buffer);
    while (size > 0) {
        ssize_t got = read(fd, bytes, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

} // namespace

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Child::Child(char* const argv[]) {
    // The child reports through a close-on-exec pipe: first its timestamp,
    // then, only if exec fails, its errno. End of file means exec succeeded.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    pid_t pid = fork();
    if (pid < 0) {
        error_ = std::string("fork: ") + std::strerror(errno);
        close(report[0]);
        close(report[1]);
        return;
    }
    if (pid == 0) {
        close(report[0]);
        double execMs = monotonicMs();
        (void)!write(report[1], &execMs, sizeof execMs);
        execvp(argv[0], argv);
        int failure = errno;
        (void)!write(report[1], &failure, sizeof failure);
        _exit(127);
    }
    close(report[1]);
    pid_ = pid;
    int failure = 0;
    bool stamped = readAll(report[0], &execMs_, sizeof execMs_);
    bool execFailed = stamped && readAll(report[0], &failure, sizeof failure);
    close(report[0]);
    if (!stamped || execFailed) {
        error_ = std::string("cannot run ") + argv[0] + ": " +
                 (execFailed ? std::strerror(failure) : "it died before exec");
        stop();
        pid_ = -1;
    }
}

Child::~Child() {
    stop();
}

bool Child::exited() {
    if (!reaped_ && pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_)
        reaped_ = true;
    return reaped_;
}

long Child::peakResidentKib() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kib = -1;
            fields >> kib;
            return kib;
        }
    }
    return -1;
}

// Signalling only a child not yet reaped means the pid cannot have been
// handed to another process in between.
void Child::stop() {
    if (pid_ <= 0 || reaped_)
        return;
    kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
}
