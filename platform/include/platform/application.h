#pragma once

#include <memory>

namespace platform {

// The program's hold on the window system for its whole run. Each backend
// prepares what its dialogs need before the first exists: over Qt no desktop
// platform theme (the dialogs keep their light colours in a dark desktop
// theme, and start-up pays for no theme it does not use), the desktop entry's
// name, the dialogs' font family as the default and Qt's own texts in
// simplified Chinese; in the page the dialog font, loaded, and when the
// program has returned, the page's word that it ended. Over Wayland its end
// ends the process, before Qt's own teardown of the connection can hang.
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
