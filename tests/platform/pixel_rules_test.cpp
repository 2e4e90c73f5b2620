#include "platform/pixel_rules.h"
#include "straight_lines.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>

namespace {

using platform::Point;

using straight_lines::kMax;
using straight_lines::kMin;
using straight_lines::kSurface;

std::set<std::pair<int, int>> PixelsOf(const std::vector<platform::Rect>& areas) {
    std::set<std::pair<int, int>> pixels;
    for (const platform::Rect& r : areas) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

class StraightLines : public testing::TestWithParam<straight_lines::Case> {};

TEST_P(StraightLines, CoverStartUpToButNotIncludingTheEnd) {
    const straight_lines::Case& c = GetParam();
    const auto areas = platform::LineAreas(c.from, c.to, kSurface);
    if (platform::IsEmpty(c.covered)) {
        EXPECT_TRUE(areas.empty());
    } else {
        ASSERT_EQ(areas.size(), 1u);
        EXPECT_EQ(PixelsOf(areas), PixelsOf({c.covered}));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, StraightLines, testing::ValuesIn(straight_lines::kCases));

TEST(SlantedLines, StepOnePixelPerColumnAndLeaveOutTheEnd) {
    const auto pixels = PixelsOf(platform::LineAreas({0, 0}, {5, 5}, kSurface));
    const std::set<std::pair<int, int>> expected = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    EXPECT_EQ(pixels, expected);
    const auto steep = PixelsOf(platform::LineAreas({3, 0}, {4, 10}, kSurface));
    EXPECT_EQ(steep.size(), 10u);
    EXPECT_TRUE(steep.count({3, 0}));
    EXPECT_FALSE(steep.count({4, 10}));
}

TEST(SlantedLines, AcrossTheWholeRangeVisitOnlyTheSurface) {
    const auto start = std::chrono::steady_clock::now();
    const auto areas = platform::LineAreas({kMin, kMin}, {kMax, kMax}, kSurface);
    // Stepping through all 2^32 columns takes far longer than this.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // The diagonal through the origin crosses the surface at (x, x).
    const auto pixels = PixelsOf(areas);
    EXPECT_EQ(pixels.size(), 41u);
    for (const auto& [x, y] : pixels) {
        EXPECT_EQ(x, y);
    }
}

TEST(Frame, LiesOnTheOutermostPixelsWithBottomRightOverTheCorners) {
    constexpr platform::ColorRef tl = 1;
    constexpr platform::ColorRef br = 2;
    std::map<std::pair<int, int>, platform::ColorRef> painted;
    for (const platform::Fill& fill : platform::FrameFills({0, 0, 210, 41}, tl, br, kSurface)) {
        for (const auto& pixel : PixelsOf({fill.area})) {
            painted[pixel] = fill.color;
        }
    }
    EXPECT_EQ(painted.size(), 2u * 210 + 2u * 39);
    EXPECT_EQ(painted[std::pair(0, 0)], tl);
    EXPECT_EQ(painted[std::pair(208, 0)], tl);
    EXPECT_EQ(painted[std::pair(0, 39)], tl);
    EXPECT_EQ(painted[std::pair(209, 0)], br);
    EXPECT_EQ(painted[std::pair(0, 40)], br);
    EXPECT_EQ(painted[std::pair(209, 40)], br);
    EXPECT_FALSE(painted.count(std::pair(1, 1)));
    EXPECT_FALSE(painted.count(std::pair(210, 0)));
}

TEST(Frame, OfFarOrEmptyRectanglesPaintsNothingInside) {
    EXPECT_TRUE(platform::FrameFills({0, 0, 0, 0}, 1, 2, platform::Rect{}).empty());
    EXPECT_TRUE(platform::FrameFills({kMax - 5, kMax - 5, kMax, kMax}, 1, 2, kSurface).empty());
    EXPECT_TRUE(platform::FrameFills({kMin, kMin, kMin + 3, kMin + 3}, 1, 2, kSurface).empty());
    const auto huge = platform::FrameFills({kMin, kMin, kMax, kMax}, 1, 2, kSurface);
    EXPECT_TRUE(huge.empty());
}

} // namespace
