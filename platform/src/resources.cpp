#include "platform/resources.h"

#include <QDirIterator>

namespace platform {
namespace {

std::span<const StringResource>& Table() {
    static std::span<const StringResource> table;
    return table;
}

} // namespace

void SetStringTable(std::span<const StringResource> table) {
    Table() = table;
}

QString LoadString(int id) {
    for (const StringResource& entry : Table()) {
        if (entry.id == id) {
            return QString::fromUtf8(entry.text);
        }
    }
    return {};
}

QIcon LoadIcon(int id) {
    QIcon icon;
    QDirIterator images(QStringLiteral(":/icons/%1").arg(id), QDir::Files);
    while (images.hasNext()) {
        icon.addFile(images.next());
    }
    return icon;
}

} // namespace platform
