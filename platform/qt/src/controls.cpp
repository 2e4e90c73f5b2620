#include "platform/controls.h"

#include "native.h"
#include "platform/qt/access.h"
#include "platform/qt/text.h"

#include <QLabel>
#include <QLineEdit>

namespace platform {
namespace {

// The property that holds a painted control's window class name.
constexpr char kClassProperty[] = "windowClass";

// A label that leaves all of its painting to its control, so the label's own
// text and frame never show.
class PaintedLabel : public QLabel {
public:
    explicit PaintedLabel(PaintedStatic& control) : control_(control) {}

protected:
    void paintEvent(QPaintEvent*) override { Window::Native::Paint(control_); }

private:
    PaintedStatic& control_;
};

std::unique_ptr<Window::Native> NativeOf(std::unique_ptr<QWidget> widget) {
    return std::make_unique<Window::Native>(std::move(widget));
}

std::unique_ptr<Window::Native> PaintedNative(PaintedStatic& control, const char* className) {
    auto label = std::make_unique<PaintedLabel>(control);
    label->setProperty(kClassProperty, QString::fromLatin1(className));
    return NativeOf(std::move(label));
}

} // namespace

Edit::Edit() : Window(NativeOf(std::make_unique<QLineEdit>())) {}

std::string Edit::GetWindowText() const {
    return ToGbk(static_cast<const QLineEdit&>(*GetNative().widget).text());
}

Static::Static() : Static(NativeOf(std::make_unique<QLabel>())) {}

Static::Static(std::unique_ptr<Native> native) : Window(std::move(native)) {}

PaintedStatic::PaintedStatic(const char* className)
    : Static(PaintedNative(*this, className)), className_(className) {}

QString qt::ClassNameOf(const QWidget& widget) {
    return widget.property(kClassProperty).toString();
}

} // namespace platform
