#include "platform/resources.h"

#include "native.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace platform {

// Every image under ":/icons/<id>/", each held as raw RGBA rows in a file
// named by its size ("32.rgba"), so that no image decoder is needed.
QIcon LoadQIcon(int id) {
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

Icon LoadIcon(int id) {
    return Icon(std::make_shared<const Icon::Native>(Icon::Native{LoadQIcon(id)}));
}

} // namespace platform
