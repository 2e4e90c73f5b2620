#include "platform/application.h"

#include "platform/common_controls.h"

namespace platform {

struct Application::Native {};

void InitCommonControls() {}

Application::Application(int&, char**) : native_(std::make_unique<Native>()) {}

Application::~Application() = default;

} // namespace platform
