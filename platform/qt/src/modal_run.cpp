#include "platform/qt/modal_run.h"

#include <QDialog>

namespace platform {
namespace {

ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}

} // namespace

int RunModal(QDialog& dialog) {
    if (Hook()) {
        return Hook()(dialog);
    }
    return dialog.exec();
}

void SetModalHookForTesting(ModalHook hook) {
    Hook() = std::move(hook);
}

} // namespace platform
