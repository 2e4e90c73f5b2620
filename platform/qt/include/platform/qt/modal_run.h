#pragma once

#include <functional>

class QDialog;

namespace platform {

// Runs a dialog modally and returns its result. Tests install a hook that
// answers the dialog instead, so that no test ever waits on a modal box.
int RunModal(QDialog& dialog);

using ModalHook = std::function<int(QDialog&)>;
void SetModalHookForTesting(ModalHook hook);

} // namespace platform
