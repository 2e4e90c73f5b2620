#pragma once

#include <QApplication>

namespace platform {

// The toolkit's application object as the program wants it: no desktop
// platform theme (the dialogs keep their light colours in a dark desktop
// theme, and start-up pays for no theme it does not use), the desktop entry's
// name for the window system, and the dialogs' font family as the default.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
};

} // namespace platform
