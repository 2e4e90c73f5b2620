#include "field_length_limit.h"

namespace platform {

QValidator::State FieldLengthLimit::validate(QString& text, int&) const {
    return text.size() > Edit::kMaxLength ? Invalid : Acceptable;
}

} // namespace platform
