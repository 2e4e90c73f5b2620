#include "platform/system_menu.h"

namespace platform {

SystemMenu::SystemMenu(QWidget* owner, std::function<void(std::uint32_t)> onCommand)
    : owner_(owner), onCommand_(std::move(onCommand)) {}

SystemMenu::~SystemMenu() = default;

void SystemMenu::AppendSeparator() {
    entries_.push_back({0, {}});
}

void SystemMenu::AppendItem(std::uint32_t commandId, const QString& text) {
    entries_.push_back({commandId, text});
}

void SystemMenu::Popup(const QPoint& globalPos) {
    if (!menu_ || menu_->actions().size() != static_cast<qsizetype>(entries_.size())) {
        Build();
    }
    menu_->popup(globalPos);
}

void SystemMenu::Build() {
    menu_ = std::make_unique<QMenu>(owner_);
    for (const Entry& entry : entries_) {
        if (entry.commandId == 0) {
            menu_->addSeparator();
        } else {
            menu_->addAction(entry.text)->setData(entry.commandId);
        }
    }
    QObject::connect(menu_.get(), &QMenu::triggered, menu_.get(),
                     [this](QAction* action) { onCommand_(action->data().toUInt()); });
}

} // namespace platform
