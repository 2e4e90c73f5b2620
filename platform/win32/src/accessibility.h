#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace platform {

enum class Annotation { Name, Description };

// Tells screen readers what the window is called or what it shows, through
// the system's dynamic annotation, in place of what they would guess (an
// edit field is otherwise named after the last label before it).
void Annotate(HWND hwnd, Annotation what, const std::wstring& text);

} // namespace platform
