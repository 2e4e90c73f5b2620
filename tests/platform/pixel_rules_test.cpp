#include "platform/pixel_rules.h"
#include "straight_lines.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <utility>

namespace {

using platform::Point;
using Pixels = std::set<std::pair<int, int>>;

using straight_lines::kMax;
using straight_lines::kMin;
using straight_lines::kSurface;

Pixels PixelsOf(const std::vector<platform::Rect>& areas) {
    Pixels pixels;
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

// The pixels (x, x + shift) of a 45-degree line that lie on the surface.
Pixels Diagonal(int shift) {
    Pixels pixels;
    for (int x = 0; x < kSurface.right; ++x) {
        if (x + shift >= 0 && x + shift < kSurface.bottom) {
            pixels.insert({x, x + shift});
        }
    }
    return pixels;
}

struct Slanted {
    const char* what;
    Point from, to;
    Pixels pixels;
};

void PrintTo(const Slanted& c, std::ostream* out) {
    *out << c.what;
}

// Each step along the major axis moves the minor one by k * run / steps to
// the nearest pixel, a half step away from the start.
const Slanted kSlanted[] = {
    {"diagonal leaves out its end", {0, 0}, {5, 5}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
    {"half step moves on", {0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
    {"half step back moves on", {4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},
    {"steep line steps one pixel per row",
     {3, 0},
     {4, 10},
     {{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}, {4, 9}}},
    {"whole range's diagonal crosses the surface", {kMin, kMin}, {kMax, kMax}, Diagonal(0)},
    // k * run passes 2^63 here; the exact quotient lies just past a half step
    // below the diagonal, which double precision cannot tell from the half.
    {"whole range one short of the diagonal", {kMin, kMin}, {kMax, kMax - 1}, Diagonal(-1)},
};

class SlantedLines : public testing::TestWithParam<Slanted> {};

TEST_P(SlantedLines, RoundEachStepToTheNearestPixelVisitingOnlyTheSurface) {
    const Slanted& c = GetParam();
    const auto start = std::chrono::steady_clock::now();
    const auto areas = platform::LineAreas(c.from, c.to, kSurface);
    // Stepping through all 2^32 columns takes far longer than this.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(PixelsOf(areas), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Lines, SlantedLines, testing::ValuesIn(kSlanted));

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
