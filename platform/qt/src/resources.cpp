#include "platform/resources.h"

#include "platform/qt_text.h"

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
            return ToQString(entry.text);
        }
    }
    return {};
}

QIcon LoadIcon(int id) {
    QIcon icon;
    QDirIterator images(QStringLiteral(":/icons/%1").arg(id), QDir::Files);
    while (images.hasNext()) {
        QFile file(images.next());
        bool named = false;
        const int size = QFileInfo(file).completeBaseName().toInt(&named);
        if (!named || !file.fileName().endsWith(QLatin1String(".rgba")) ||
            !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray rgba = file.readAll();
        if (size <= 0 || rgba.size() != qsizetype{size} * size * 4) {
            continue;
        }
        const QImage image(reinterpret_cast<const uchar*>(rgba.constData()), size, size,
                           QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

} // namespace platform
