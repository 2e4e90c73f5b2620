#include "platform/message_box.h"

#include "native.h"

namespace platform {

int MessageBox(Window& owner, std::u16string_view text) {
    return AnswerMessageBox(owner, u"qob", text);
}

} // namespace platform
