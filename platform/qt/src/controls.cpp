#include "platform/controls.h"

#include "handlers.h"
#include "native.h"
#include "platform/qt/access.h"
#include "platform/qt/text.h"

#include <QLabel>
#include <QLineEdit>

namespace platform {
namespace {

// The property that holds a painted control's window class name.
constexpr char kClassProperty[] = "windowClass";

// A label that shows its control's picture, so the label's own text and
// frame never show. A paint event repaints the picture whole from the
// control's stored values, unless the control only shows what was drawn on
// it and the picture still fits the device: an expose, a change of size or
// scale, and a restore from minimized all paint it anew.
class PaintedLabel : public QLabel {
public:
    explicit PaintedLabel(PaintedStatic& control) : control_(control) {}

protected:
    void paintEvent(QPaintEvent*) override;

private:
    PaintedStatic& control_;
};

PaintedNative& StateOf(const PaintedStatic& control) {
    return static_cast<PaintedNative&>(control.GetNative());
}

// Device pixel for device pixel, from the grid's rounded corner; where
// nothing is drawn the dialog's background shows.
void DrawPicture(QPainter& painter, const PaintedNative& native) {
    const Picture& picture = native.picture;
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_RGBA8888_Premultiplied);
    painter.setWorldTransform(GridTransform(native.grid, 1, painter.worldTransform()));
    painter.drawImage(0, 0, image);
}

void PaintedLabel::paintEvent(QPaintEvent*) {
    PaintedNative& native = StateOf(control_);
    QPainter painter(this);
    const DeviceGrid grid = GridOf(painter, size());
    if (!native.showingPicture || !(grid == native.grid)) {
        native.grid = grid;
        Handlers::Paint(control_);
    }
    DrawPicture(painter, native);
}

std::unique_ptr<Window::Native> NativeOf(std::unique_ptr<QWidget> widget) {
    return std::make_unique<Window::Native>(std::move(widget));
}

std::unique_ptr<Window::Native> NewPaintedNative(PaintedStatic& control, const char* className) {
    auto label = std::make_unique<PaintedLabel>(control);
    label->setProperty(kClassProperty, QString::fromLatin1(className));
    return std::make_unique<PaintedNative>(std::move(label));
}

} // namespace

void PaintedNative::ShowPicture() {
    showingPicture = true;
    widget->repaint();
    showingPicture = false;
}

Edit::Edit() : Window(NativeOf(std::make_unique<QLineEdit>())) {}

std::string Edit::GetWindowText() const {
    return ToGbk(static_cast<const QLineEdit&>(*GetNative().widget).text());
}

Static::Static() : Static(NativeOf(std::make_unique<QLabel>())) {}

Static::Static(std::unique_ptr<Native> native) : Window(std::move(native)) {}

PaintedStatic::PaintedStatic(const char* className)
    : Static(NewPaintedNative(*this, className)), className_(className) {}

QString qt::ClassNameOf(const QWidget& widget) {
    return widget.property(kClassProperty).toString();
}

} // namespace platform
