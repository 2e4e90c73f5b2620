#pragma once

// The window system's API without the macros that would rename platform's
// functions and members of the same names to their ANSI or wide variants.
#include <windows.h>

#undef GetWindowText
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef SetWindowText
#undef TextOut
