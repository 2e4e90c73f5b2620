#pragma once

namespace platform {

// What the user is told when Qt cannot start, which on the program's own
// system never happens: one line on standard error, in Chinese and then in
// English, naming what failed, and the exit status 1, where Qt would abort
// with a core dump and its advice to reinstall. Qt's warnings are held back
// until the application object exists, so that the line is all the user
// sees; once it exists, they are shown as Qt would have shown them.
//
// BeginStartUp also drops a QT_SCALE_FACTOR that is not a finite number of
// at least 1, with a warning: 0 and nan show no window, a negative factor
// asks for a window tens of thousands of pixels wide, and below 1 the
// dialog's controls no longer fit in it.
void BeginStartUp();
void EndStartUp();

// Warns once, on standard error, when the dialogs' font is not installed.
void WarnIfNoDialogFont();

} // namespace platform
