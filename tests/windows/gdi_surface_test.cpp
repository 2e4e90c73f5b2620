#include "platform/pixel_rules.h"
#include "platform/win32/access.h"
#include "straight_lines.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A white 32-bit bitmap in memory, `width` x `height` surface pixels at
// block factor k, drawn on with the backend's surface and read back.
class Bitmap {
public:
    Bitmap(int width, int height, int k)
        : width_(width * k), height_(height * k), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        surface_.emplace(dc_, width, height, k);
    }
    ~Bitmap() {
        surface_.reset();
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    platform::Surface& Surface() { return *surface_; }

    // The colour of a device pixel as 0x00BBGGRR.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF);
    }

    Pixels Painted() const {
        Pixels painted;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (At(x, y) != kWhite) {
                    painted.insert({x, y});
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
    std::optional<platform::win32::DcSurface> surface_;
};

// The device pixels of surface pixels in `area`, each a k x k block.
Pixels Blocks(const platform::Rect& area, int k) {
    Pixels pixels;
    for (int y = area.top * k; y < area.bottom * k; ++y) {
        for (int x = area.left * k; x < area.right * k; ++x) {
            pixels.insert({x, y});
        }
    }
    return pixels;
}

class StraightLinesOnGdi : public testing::TestWithParam<std::tuple<straight_lines::Case, int>> {};

TEST_P(StraightLinesOnGdi, CoverWhatThePixelRuleSaysInBlocksOfK) {
    const auto& [c, k] = GetParam();
    Bitmap bitmap(straight_lines::kSurface.right, straight_lines::kSurface.bottom, k);
    bitmap.Surface().MoveTo(c.from.x, c.from.y);
    bitmap.Surface().LineTo(c.to.x, c.to.y, RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Painted(), Blocks(c.covered, k));
}

INSTANTIATE_TEST_SUITE_P(Lines, StraightLinesOnGdi,
                         testing::Combine(testing::ValuesIn(straight_lines::kCases),
                                          testing::Values(1, 2)));

TEST(GdiSurface, FramesTheOutermostPixelsWithBottomRightOverTheCorners) {
    constexpr platform::Rect kArea{0, 0, 210, 41};
    constexpr COLORREF tl = RGB(0, 20, 0);
    constexpr COLORREF br = RGB(200, 0, 0);
    for (const int k : {1, 2}) {
        Bitmap bitmap(kArea.right, kArea.bottom, k);
        bitmap.Surface().Draw3dRect(kArea, tl, br);
        std::map<std::pair<int, int>, COLORREF> expected;
        for (const platform::Fill& fill : platform::FrameFills(kArea, tl, br, kArea)) {
            for (const auto& pixel : Blocks(fill.area, k)) {
                expected[pixel] = fill.color;
            }
        }
        std::map<std::pair<int, int>, COLORREF> painted;
        for (const auto& [x, y] : bitmap.Painted()) {
            painted[{x, y}] = bitmap.At(x, y);
        }
        EXPECT_EQ(painted, expected) << "k " << k;
        EXPECT_EQ(bitmap.At(0, 0), tl);
        EXPECT_EQ(bitmap.At(kArea.right * k - 1, 0), br);
    }
}

TEST(GdiSurface, SetsPixelsInBlocksAndNoneFarAway) {
    Bitmap bitmap(210, 41, 2);
    bitmap.Surface().SetPixel(3, 4, RGB(0, 0, 0));
    bitmap.Surface().SetPixel(134217721, 0, RGB(0, 0, 0));
    bitmap.Surface().SetPixel(-1, 0, RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Painted(), Blocks({3, 4, 4, 5}, 2));
    EXPECT_EQ(bitmap.Surface().ClientRect().right, 210);
}

} // namespace
