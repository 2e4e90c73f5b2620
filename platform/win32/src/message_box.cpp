#include "platform/message_box.h"

#include "native.h"
#include "text.h"

namespace platform {

// MB_OK: the system's one OK button in the system's language, and no icon.
int MessageBox(Window& owner, std::u16string_view text) {
    return MessageBoxW(owner.GetNative().hwnd, ToWide(text).c_str(), ApplicationName().c_str(),
                       MB_OK);
}

} // namespace platform
