#pragma once

#include "platform/color.h"
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <map>
#include <utility>

namespace test {

// A white 32-bit bitmap in memory, `width` x `height` device pixels,
// selected into a device context to draw on, and read back.
class WhiteBitmap {
public:
    WhiteBitmap(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~WhiteBitmap() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    WhiteBitmap(const WhiteBitmap&) = delete;
    WhiteBitmap& operator=(const WhiteBitmap&) = delete;

    HDC Dc() const { return dc_; }

    // The colour of a device pixel as 0x00BBGGRR.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF);
    }

    // Every pixel no longer white, with its colour.
    std::map<std::pair<int, int>, platform::ColorRef> Painted() const {
        std::map<std::pair<int, int>, platform::ColorRef> painted;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (const COLORREF color = At(x, y); color != RGB(255, 255, 255)) {
                    painted[{x, y}] = color;
                }
            }
        }
        return painted;
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

} // namespace test
