#include "platform/surface.h"

#include "native.h"
#include "platform/pixel_rules.h"
#include "platform/qt/color.h"
#include "platform/qt/surface.h"
#include "platform/qt/text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

namespace platform {
namespace {

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QPoint Rounded(const QPointF& p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

} // namespace

// A painter whose transform maps the logical pixels onto the device, set to
// the device's pixel grid; the painter of a paint request is its own.
struct Surface::Native {
    Native(QPainter& borrowed, QSize size) : painter(borrowed), logicalSize(size) { SetUp(); }
    explicit Native(QWidget& widget)
        : ownPainter(std::in_place, &widget), painter(*ownPainter), logicalSize(widget.size()) {
        SetUp();
    }

    void SetUp();

    std::optional<QPainter> ownPainter;
    QPainter& painter;
    QTransform logical;
    QSize logicalSize;
    Rect clip;
    Point position;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

void Surface::Native::SetUp() {
    logical = painter.worldTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The device transform holds the device pixel ratio of whatever is
    // painted on, the window's backing store or an image alike.
    const QTransform& toDevice = painter.deviceTransform();
    const qreal ratio = toDevice.m11();
    const int k = std::max(1, static_cast<int>(ratio));
    const QPointF origin = toDevice.map(QPointF(0, 0));
    const QPoint first = Rounded(origin);
    const QPoint past = Rounded(toDevice.map(QPointF(logicalSize.width(), logicalSize.height())));
    clip = {0, 0, (past.x() - first.x()) / k, (past.y() - first.y()) / k};
    // Surface pixel p lands on device pixel first + p * k: undo the logical
    // scaling and offset, then scale by k and start at the rounded corner.
    const QTransform grid(k / ratio, 0, 0, k / ratio, (first.x() - origin.x()) / ratio,
                          (first.y() - origin.y()) / ratio);
    painter.setWorldTransform(grid * logical);
}

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

Rect Surface::ClientRect() const {
    return native_->clip;
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, native_->clip)) {
        native_->painter.fillRect(ToQRect(fill.area), ToQColor(fill.color));
    }
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    native_->position = {x, y};
}

void Surface::LineTo(std::int32_t x, std::int32_t y, ColorRef color) {
    for (const Rect& area : LineAreas(native_->position, {x, y}, native_->clip)) {
        native_->painter.fillRect(ToQRect(area), ToQColor(color));
    }
    native_->position = {x, y};
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    const Rect pixel = ClipArea(x, y, 1, 1, native_->clip);
    if (!IsEmpty(pixel)) {
        native_->painter.fillRect(ToQRect(pixel), ToQColor(color));
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    native_->backgroundMode = mode;
}

void Surface::TextOut(std::int32_t x, std::int32_t y, std::u16string_view text) {
    QPainter& painter = native_->painter;
    const Rect bounds{0, 0, native_->logicalSize.width(), native_->logicalSize.height()};
    const QFontMetrics metrics(QApplication::font());
    // A cheap bound on the text's extent keeps far-away text from reaching
    // Qt; only an opaque background needs the exact width.
    const std::int64_t widest =
        std::int64_t{metrics.maxWidth()} * static_cast<std::int64_t>(text.size());
    if (IsEmpty(ClipArea(x, y, widest, metrics.height(), bounds))) {
        return;
    }
    const QString qtext = ToQString(text);
    const QTransform grid = painter.worldTransform();
    painter.setWorldTransform(native_->logical);
    painter.setFont(QApplication::font());
    if (native_->backgroundMode == BackgroundMode::Opaque) {
        painter.fillRect(
            ToQRect(ClipArea(x, y, metrics.horizontalAdvance(qtext), metrics.height(), bounds)),
            Qt::white);
    }
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + metrics.ascent()), qtext);
    painter.setWorldTransform(grid);
}

void Surface::DrawIcon(std::int32_t x, std::int32_t y, const Icon& icon) {
    if (const Icon::Native* native = icon.GetNative()) {
        QPainter& painter = native_->painter;
        const QTransform grid = painter.worldTransform();
        painter.setWorldTransform(native_->logical);
        native->icon.paint(&painter, QRect(x, y, kIconSize, kIconSize));
        painter.setWorldTransform(grid);
    }
}

PaintSurface::PaintSurface(Window& window)
    : Surface(std::make_unique<Native>(*window.GetNative().widget)) {}

qt::PainterSurface::PainterSurface(QPainter& painter, QSize logicalSize)
    : Surface(std::make_unique<Native>(painter, logicalSize)) {}

// Qt draws on a widget only in its paint event, so the control repaints
// itself whole, and synchronously, in place of `draw`.
void DrawNow(PaintedStatic& control, const std::function<void(Surface&)>&) {
    control.GetNative().widget->repaint();
}

} // namespace platform
