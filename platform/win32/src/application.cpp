#include "platform/application.h"

#include "native.h"
#include "platform/common_controls.h"

#include <commctrl.h>
#include <objbase.h>

namespace platform {

// Screen readers' annotations are COM objects of this thread.
struct Application::Native {
    Native() { initialised = SUCCEEDED(CoInitialize(nullptr)); }
    ~Native() {
        if (initialised) {
            CoUninitialize();
        }
    }

    bool initialised = false;
};

Application::Application(int&, char**) : native_(std::make_unique<Native>()) {}

Application::~Application() = default;

void InitCommonControls() {
    ::InitCommonControls();
}

const std::wstring& ApplicationName() {
    static const std::wstring name = [] {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
        const std::size_t folder = path.find_last_of(L"\\/");
        std::wstring file = folder == std::wstring::npos ? path : path.substr(folder + 1);
        const std::size_t extension = file.rfind(L'.');
        return extension == std::wstring::npos ? file : file.substr(0, extension);
    }();
    return name;
}

} // namespace platform
