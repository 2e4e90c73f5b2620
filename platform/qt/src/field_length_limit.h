#pragma once

#include "platform/controls.h"

#include <QValidator>

namespace platform {

// An edit control holds at most Edit::kMaxLength characters. Qt's own limit cuts a paste to fit
// before anything else sees it, which can leave a different number in the field than the one
// pasted; so an edit whose result would not fit (a paste, a drop, a middle click, an input method's
// commit, a key) is refused whole instead: the field keeps its text.
class FieldLengthLimit : public QValidator {
public:
    explicit FieldLengthLimit(QObject* parent) : QValidator(parent) {}
    State validate(QString& text, int& position) const override;
};

} // namespace platform
