#pragma once

#include <QObject>

namespace platform {

// The digits-only style of an edit control: typed characters other than the
// ASCII digits are refused, whether they come as keys or as an input
// method's commit. Editing keys and shortcuts pass, and so does pasted text,
// which the program judges when it reads the field.
class DigitsOnlyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace platform
