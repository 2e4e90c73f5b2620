#include "platform/qt/text.h"

#include "code_page_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

// Qt's GBK encoder drops characters it takes for invisible, such as the
// zero-width space, so each character is encoded on its own and kept only
// if its bytes decode back to it.
std::string ToGbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    const auto encode = [&](std::u16string_view character) -> std::optional<std::string> {
        const QStringView view(character.data(), static_cast<qsizetype>(character.size()));
        const QByteArray bytes = encoder.encode(view);
        const bool failed = encoder.hasError();
        encoder.resetState();
        const QString back = decoder.decode(bytes);
        decoder.resetState();
        if (failed || bytes.isEmpty() || back != view) {
            return std::nullopt;
        }
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    };
    return ToCodePageBytes(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())),
                           encode);
}

} // namespace platform
