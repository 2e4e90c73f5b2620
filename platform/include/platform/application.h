#pragma once

#include <memory>

namespace platform {

// The toolkit's application object as the program wants it: no desktop
// platform theme (the dialogs keep their light colours in a dark desktop
// theme, and start-up pays for no theme it does not use), the desktop entry's
// name for the window system, the dialogs' font family as the default and
// the toolkit's own texts in simplified Chinese.
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
