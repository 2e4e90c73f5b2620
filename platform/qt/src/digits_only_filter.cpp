#include "digits_only_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace platform {
namespace {

bool IsAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool IsRefusedKey(const QKeyEvent& key) {
    constexpr auto kShortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = key.text();
    if (text.isEmpty() || !text.front().isPrint() || (key.modifiers() & kShortcutModifiers)) {
        return false;
    }
    return !IsAsciiDigits(text);
}

} // namespace

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return IsRefusedKey(*static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().isEmpty() || IsAsciiDigits(input->commitString())) {
            return false;
        }
        // Keep the composition going but drop the refused commit.
        QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
        QCoreApplication::sendEvent(watched, &withoutCommit);
        return true;
    }
    return false;
}

} // namespace platform
