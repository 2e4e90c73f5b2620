#include "platform/surface.h"

#include "native.h"
#include "platform/pixel_rules.h"
#include "platform/win32/access.h"

#include <algorithm>

namespace platform {
namespace {

// The surface of a paint request, between BeginPaint and EndPaint.
struct PaintNative : Surface::Native {
    PaintNative(HWND hwnd, PAINTSTRUCT paint, const RECT& client)
        : Native(paint.hdc, client.right, client.bottom, BlockFactor(paint.hdc)), hwnd(hwnd),
          paint(paint) {}
    ~PaintNative() override { EndPaint(hwnd, &paint); }

    HWND hwnd;
    PAINTSTRUCT paint;
};

// The window's client area outside a paint request.
struct WindowDcNative : Surface::Native {
    WindowDcNative(HWND hwnd, HDC dc, const RECT& client)
        : Native(dc, client.right, client.bottom, BlockFactor(dc)), hwnd(hwnd) {}
    ~WindowDcNative() override { ReleaseDC(hwnd, dc); }

    HWND hwnd;
};

RECT ClientOf(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client;
}

// The surface of a paint request, or of a print request being answered: the
// device context it came with, which its sender keeps.
std::unique_ptr<Surface::Native> BeginPainting(const Window::Native& window) {
    const HWND hwnd = window.hwnd;
    if (window.printing) {
        const RECT client = ClientOf(hwnd);
        return std::make_unique<Surface::Native>(window.printing, client.right, client.bottom,
                                                 BlockFactor(window.printing));
    }
    PAINTSTRUCT paint{};
    BeginPaint(hwnd, &paint);
    return std::make_unique<PaintNative>(hwnd, paint, ClientOf(hwnd));
}

// Fills an area of surface pixels as the frame operation does: the
// background colour behind no text.
void FillSolid(const Surface::Native& native, const Rect& area, ColorRef color) {
    const int k = native.k;
    const RECT device{area.left * k, area.top * k, area.right * k, area.bottom * k};
    SetBkColor(native.dc, color);
    ExtTextOutW(native.dc, 0, 0, ETO_OPAQUE, &device, nullptr, 0, nullptr);
}

// A horizontal or vertical area drawn with the current pen as k lines of
// device pixels, each left without its end pixel by the system itself.
void StrokeArea(HDC dc, const Rect& area, int k) {
    const bool row = area.bottom - area.top == 1;
    for (int i = 0; i < k; ++i) {
        if (row) {
            MoveToEx(dc, area.left * k, area.top * k + i, nullptr);
            LineTo(dc, area.right * k, area.top * k + i);
        } else {
            MoveToEx(dc, area.left * k + i, area.top * k, nullptr);
            LineTo(dc, area.left * k + i, area.bottom * k);
        }
    }
}

} // namespace

int BlockFactor(HDC dc) {
    return std::max(1, GetDeviceCaps(dc, LOGPIXELSX) / 96);
}

Surface::Surface(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

Rect Surface::ClientRect() const {
    return native_->clip;
}

void Surface::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight) {
    const COLORREF background = GetBkColor(native_->dc);
    for (const Fill& fill : FrameFills(rect, topLeft, bottomRight, native_->clip)) {
        FillSolid(*native_, fill.area, fill.color);
    }
    SetBkColor(native_->dc, background);
}

void Surface::MoveTo(std::int32_t x, std::int32_t y) {
    native_->position = {x, y};
}

// The default pen is black; another colour takes the device context's own pen.
void Surface::LineTo(std::int32_t x, std::int32_t y, ColorRef color) {
    const std::vector<Rect> areas = LineAreas(native_->position, {x, y}, native_->clip);
    native_->position = {x, y};
    if (areas.empty()) {
        return;
    }
    const HDC dc = native_->dc;
    HGDIOBJ previous = nullptr;
    if (color != RGB(0, 0, 0)) {
        previous = SelectObject(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, color);
    }
    for (const Rect& area : areas) {
        StrokeArea(dc, area, native_->k);
    }
    if (previous) {
        SelectObject(dc, previous);
    }
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, ColorRef color) {
    const Rect pixel = ClipArea(x, y, 1, 1, native_->clip);
    const int k = native_->k;
    for (int dy = 0; !IsEmpty(pixel) && dy < k; ++dy) {
        for (int dx = 0; dx < k; ++dx) {
            ::SetPixel(native_->dc, x * k + dx, y * k + dy, color);
        }
    }
}

void Surface::SetBkMode(BackgroundMode mode) {
    ::SetBkMode(native_->dc, mode == BackgroundMode::Transparent ? TRANSPARENT : OPAQUE);
}

// Text in the device context's own font and colours, which nobody selects:
// the system font.
void Surface::TextOut(std::int32_t x, std::int32_t y, std::u16string_view text) {
    const int dpi = native_->dpi;
    TextOutW(native_->dc, MulDiv(x, dpi, 96), MulDiv(y, dpi, 96),
             reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()));
}

void Surface::DrawIcon(std::int32_t x, std::int32_t y, const Icon& icon) {
    if (const Icon::Native* native = icon.GetNative()) {
        ::DrawIcon(native_->dc, x, y, native->big);
    }
}

PaintSurface::PaintSurface(Window& window) : Surface(BeginPainting(window.GetNative())) {}

win32::DcSurface::DcSurface(HDC dc, int width, int height, int k)
    : Surface(std::make_unique<Native>(dc, width * k, height * k, k)) {}

void DrawNow(PaintedStatic& control, const std::function<void(Surface&)>& draw) {
    const HWND hwnd = control.GetNative().hwnd;
    struct WindowSurface : Surface {
        explicit WindowSurface(HWND hwnd)
            : Surface(std::make_unique<WindowDcNative>(hwnd, GetDC(hwnd), ClientOf(hwnd))) {}
    } dc(hwnd);
    draw(dc);
}

} // namespace platform
