#include "platform/pixel_rules.h"
#include "platform/win32/access.h"
#include "straight_lines.h"
#include "white_bitmap.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// A white bitmap `width` x `height` surface pixels at block factor k, drawn
// on with the backend's surface.
class Bitmap : public test::WhiteBitmap {
public:
    Bitmap(int width, int height, int k) : WhiteBitmap(width * k, height * k) {
        surface_.emplace(Dc(), width, height, k);
    }

    platform::Surface& Surface() { return *surface_; }

    Pixels PaintedPixels() const {
        Pixels pixels;
        for (const auto& [at, color] : Painted()) {
            pixels.insert(at);
        }
        return pixels;
    }

private:
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
    EXPECT_EQ(bitmap.PaintedPixels(), Blocks(c.covered, k));
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
        std::map<std::pair<int, int>, platform::ColorRef> expected;
        for (const platform::Fill& fill : platform::FrameFills(kArea, tl, br, kArea)) {
            for (const auto& pixel : Blocks(fill.area, k)) {
                expected[pixel] = fill.color;
            }
        }
        EXPECT_EQ(bitmap.Painted(), expected) << "k " << k;
        EXPECT_EQ(bitmap.At(0, 0), tl);
        EXPECT_EQ(bitmap.At(kArea.right * k - 1, 0), br);
    }
}

TEST(GdiSurface, SetsPixelsInBlocksAndNoneFarAway) {
    Bitmap bitmap(210, 41, 2);
    bitmap.Surface().SetPixel(3, 4, RGB(0, 0, 0));
    bitmap.Surface().SetPixel(134217721, 0, RGB(0, 0, 0));
    bitmap.Surface().SetPixel(-1, 0, RGB(0, 0, 0));
    EXPECT_EQ(bitmap.PaintedPixels(), Blocks({3, 4, 4, 5}, 2));
    EXPECT_EQ(bitmap.Surface().ClientRect().right, 210);
}

} // namespace
