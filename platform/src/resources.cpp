#include "platform/resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

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
    QDirIterator images(QStringLiteral(":/icons/%1").arg(id), {QStringLiteral("*.rgba")},
                        QDir::Files);
    while (images.hasNext()) {
        QFile file(images.next());
        const int size = QFileInfo(file).baseName().toInt();
        if (size <= 0 || !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray rgba = file.readAll();
        if (rgba.size() != size * size * 4) {
            continue;
        }
        const QImage image(reinterpret_cast<const uchar*>(rgba.constData()), size, size,
                           QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

} // namespace platform
