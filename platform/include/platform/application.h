#pragma once

#include <memory>

namespace platform {

// The program's hold on the window system for its whole run: each backend
// prepares here what its dialogs need before the first exists, and ends
// its connection when the program has returned.
class Application {
public:
    Application(int& argc, char** argv);
    virtual ~Application();

    // Runs the program; false says nothing is left to run.
    virtual bool StartInstance() = 0;

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

} // namespace platform
