#include "platform/application.h"

#include "page.h"
#include "platform/common_controls.h"

#include <string>

namespace platform {

// The page's dialog font loads with the page; dialogs are measured in it,
// so the program starts once it is there. When the application goes, the
// program has returned, and the page says so.
struct Application::Native {
    Native() {
        const std::u16string numbers = web::PageNumbers();
        vidad_start_page(numbers.data(), static_cast<std::int32_t>(numbers.size()));
    }
    ~Native() { vidad_program_ended(); }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
};

// The page's elements need no registration before a dialog uses them.
void InitCommonControls() {}

Application::Application(int&, char**) : native_(std::make_unique<Native>()) {}

Application::~Application() = default;

} // namespace platform
