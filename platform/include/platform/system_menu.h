#pragma once

#include <QMenu>
#include <cstdint>
#include <functional>

namespace platform {

// The dialog's own window menu, standing in for the window manager's, which
// a program cannot extend. Choosing an entry hands its system command id to
// the owner's handler.
class SystemMenu {
public:
    SystemMenu(QWidget* owner, std::function<void(std::uint32_t)> onCommand);

    void AppendSeparator();
    void AppendItem(std::uint32_t commandId, const QString& text);

    void Popup(const QPoint& globalPos);

    const QMenu& menu() const { return menu_; }

private:
    QMenu menu_;
};

} // namespace platform
