#include "platform/qt/text.h"

#include <QStringEncoder>

namespace platform {

std::string ToGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform
