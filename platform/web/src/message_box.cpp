#include "platform/message_box.h"

#include "modal_run.h"
#include "page.h"

#include <cstdint>

namespace platform {

// The box's own run ends on 确定, Enter or Escape, all of which the page
// sends as a command.
int MessageBox(Window&, std::u16string_view text) {
    constexpr std::u16string_view kCaption = u"qob";
    const std::int32_t box =
        vidad_message_box(text.data(), static_cast<std::int32_t>(text.size()), kCaption.data(),
                          static_cast<std::int32_t>(kCaption.size()));
    int result = 0;
    web::AddEventTarget(box, [&result](const web::PageEvent& event) {
        if (event.kind == web::kCommandEvent) {
            result = event.argument;
        }
    });
    web::RunModal([&result] { return result != 0; });
    web::RemoveEventTarget(box);
    vidad_remove(box);
    return result;
}

} // namespace platform
