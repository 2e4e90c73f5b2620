#pragma once

#include <QMenu>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// The dialog's own window menu, standing in for the window manager's, which
// a program cannot extend. Choosing an entry hands its system command id to
// the owner's handler. The menu itself is built when first shown, so a
// dialog that never opens it pays nothing for it at start-up.
class SystemMenu {
public:
    SystemMenu(QWidget* owner, std::function<void(std::uint32_t)> onCommand);
    ~SystemMenu();

    void AppendSeparator();
    void AppendItem(std::uint32_t commandId, const QString& text);

    void Popup(const QPoint& globalPos);

private:
    struct Entry {
        std::uint32_t commandId; // 0 for a separator
        QString text;
    };

    void Build();

    QWidget* owner_;
    std::function<void(std::uint32_t)> onCommand_;
    std::vector<Entry> entries_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace platform
