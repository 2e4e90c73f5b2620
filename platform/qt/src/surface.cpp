#include "platform/surface.h"

#include "area_surface.h"
#include "native.h"
#include "platform/pixel_rules.h"
#include "platform/qt/color.h"
#include "platform/qt/surface.h"
#include "platform/qt/text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <optional>

namespace platform {
namespace {

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

// A surface draws either with a painter, whose transform is set to the
// device's pixel grid (a dialog's paint request, or any painter a caller
// hands over), or on a painted control's picture, which it shows when it is
// released if it was drawn outside a paint request.
struct Surface::Native : AreaSurface {
    Native(QPainter& borrowed, QSize size) : painter(&borrowed), logicalSize(size) { SetUp(); }
    explicit Native(QWidget& widget)
        : ownPainter(std::in_place, &widget), painter(&*ownPainter), logicalSize(widget.size()) {
        SetUp();
    }
    Native(PaintedNative& control, bool fresh) : control(&control), fresh(fresh) {
        DrawOn(control.picture, control.grid.size.width(), control.grid.size.height(),
               control.grid.k, fresh);
    }
    ~Native() override {
        if (control && !fresh) {
            control->ShowPicture();
        }
    }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    void SetUp() {
        logical = painter->worldTransform();
        painter->setRenderHint(QPainter::Antialiasing, false);
        const DeviceGrid grid = GridOf(*painter, logicalSize);
        clip = {0, 0, grid.size.width() / grid.k, grid.size.height() / grid.k};
        painter->setWorldTransform(GridTransform(grid, grid.k, logical));
    }

    void FillArea(const Rect& area, ColorRef color) override {
        if (picture) {
            AreaSurface::FillArea(area, color);
        } else {
            painter->fillRect(ToQRect(area), ToQColor(color));
        }
    }

    std::optional<QPainter> ownPainter;
    QPainter* painter = nullptr;
    QTransform logical;
    QSize logicalSize;
    PaintedNative* control = nullptr;
    bool fresh = true;
};

AreaSurface& surface_hooks::AreaOf(Surface::Native& native) {
    return native;
}

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

DrawingSurface::DrawingSurface(PaintedStatic& control)
    : Surface(std::make_unique<Native>(static_cast<PaintedNative&>(control.GetNative()), false)) {}

// Text and icons go through a painter; a picture holds neither.
void Surface::TextOut(std::int32_t x, std::int32_t y, std::u16string_view text) {
    if (!native_->painter) {
        return;
    }
    QPainter& painter = *native_->painter;
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
    const Icon::Native* native = icon.GetNative();
    if (!native || !native_->painter) {
        return;
    }
    QPainter& painter = *native_->painter;
    const QTransform grid = painter.worldTransform();
    painter.setWorldTransform(native_->logical);
    native->icon.paint(&painter, QRect(x, y, kIconSize, kIconSize));
    painter.setWorldTransform(grid);
}

// A painted control's paint request draws its picture anew, which its paint
// event then shows.
PaintSurface::PaintSurface(Window& window)
    : Surface(dynamic_cast<PaintedNative*>(&window.GetNative())
                  ? std::make_unique<Native>(static_cast<PaintedNative&>(window.GetNative()), true)
                  : std::make_unique<Native>(*window.GetNative().widget)) {}

qt::PainterSurface::PainterSurface(QPainter& painter, QSize logicalSize)
    : Surface(std::make_unique<Native>(painter, logicalSize)) {}

} // namespace platform
