#include "platform/system_menu.h"

namespace platform {

SystemMenu::SystemMenu(QWidget* owner, std::function<void(std::uint32_t)> onCommand)
    : menu_(owner) {
    QObject::connect(&menu_, &QMenu::triggered, &menu_,
                     [onCommand = std::move(onCommand)](QAction* action) {
                         onCommand(action->data().toUInt());
                     });
}

void SystemMenu::AppendSeparator() {
    menu_.addSeparator();
}

void SystemMenu::AppendItem(std::uint32_t commandId, const QString& text) {
    menu_.addAction(text)->setData(commandId);
}

void SystemMenu::Popup(const QPoint& globalPos) {
    menu_.popup(globalPos);
}

} // namespace platform
