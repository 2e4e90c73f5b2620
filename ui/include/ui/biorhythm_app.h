#pragma once

#include "platform/application.h"

// The application object: runs the main dialog once and then ends.
class CBiorhythmApp : public platform::Application {
public:
    using platform::Application::Application;

    // Runs the main dialog modally; false says nothing is left to run.
    bool StartInstance() override;
};
