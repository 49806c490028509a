#include "core/skin/display_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/skin/form1_design.h"
#include "core/skin/twips.h"

namespace pixlin {
namespace {

TEST(DisplayScale, AtStandardDpiEveryLengthStaysAsItWas) {
    const DisplayScale standard;
    for (int32_t pixels = -5000; pixels <= 70000; ++pixels) {
        ASSERT_EQ(standard.Pixels(pixels), pixels);
    }
    for (const LabelDesign& design : kLabelDesign) {
        EXPECT_EQ(ToPixels(design.place, standard.Physical()), ToPixels(design.place, LayoutScale{}));
    }
    EXPECT_EQ(standard.Pixels(22.5f), TwipsToPixels(22.5f, 15.0f));
}

TEST(DisplayScale, PixelsAt100AreEnlargedAndRoundedHalfToEven) {
    const struct {
        int32_t pixels;
        int32_t dpi;
        int32_t expected;
    } rows[] = {
        {300, 120, 375}, {232, 120, 290}, {300, 144, 450}, {232, 144, 348}, {300, 192, 600}, {232, 192, 464},
        {300, 240, 750}, {300, 288, 900}, {300, 168, 525}, {300, 110, 344}, {232, 110, 266}, {1, 144, 2},
        {3, 144, 4},     {2, 120, 2},     {6, 120, 8},     {300, 72, 225},  {-3, 144, -4},   {17, 0, 17},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DisplayScale(row.dpi).Pixels(row.pixels), row.expected) << row.pixels << " px at " << row.dpi;
    }
}

TEST(DisplayScale, RunsAreEnlargedNearestNeighbour) {
    const std::vector<RunRect> runs{{0, 0, 3, 1}, {5, 0, 6, 1}, {1, 1, 2, 2}, {0, 2, 4, 3}};
    const struct {
        int32_t dpi;
        std::vector<RunRect> expected;
    } rows[] = {
        {96, runs},
        {144, {{0, 0, 4, 2}, {8, 0, 9, 2}, {2, 2, 3, 3}, {0, 3, 6, 4}}},
        {192, {{0, 0, 6, 2}, {10, 0, 12, 2}, {2, 2, 4, 4}, {0, 4, 8, 6}}},
        {120, {{0, 0, 4, 1}, {6, 0, 8, 1}, {1, 1, 2, 2}, {0, 2, 5, 4}}},
        // Below 100 % a row can shrink to nothing: its runs go rather than become empty rectangles.
        {48, {{0, 0, 1, 1}, {0, 1, 2, 2}}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ScaleRuns(runs, DisplayScale(row.dpi)), row.expected) << row.dpi << " dpi";
    }
}

TEST(DisplayScale, KeyPixelsBesideOpaqueOnesTakeTheirColour) {
    constexpr uint32_t k = 0xFF00FF;
    const struct {
        std::vector<uint32_t> pixels;
        std::vector<uint32_t> expected;
    } rows[] = {
        // 3 x 3: a single opaque pixel in the middle reaches all eight neighbours, the corners too.
        {{k, k, k, k, 7, k, k, k, k}, {7, 7, 7, 7, 7, 7, 7, 7, 7}},
        // The sides come before the diagonals.
        {{1, k, k, k, k, 2, k, k, k}, {1, 1, 2, 1, 2, 2, k, 2, 2}},
        // Left before right before up before down.
        {{1, k, 2, k, k, k, k, 3, k}, {1, 1, 2, 1, 3, 2, 3, 3, 3}},
        // Only the original opaque pixels spread: one step, not a flood.
        {{5, k, k, k, k, k, k, k, k}, {5, 5, k, 5, 5, k, k, k, k}},
        {{k, k, k, k, k, k, k, k, k}, {k, k, k, k, k, k, k, k, k}},
    };
    for (const auto& row : rows) {
        std::vector<uint32_t> pixels = row.pixels;
        BleedIntoKey(pixels, 3, 3, k);
        EXPECT_EQ(pixels, row.expected);
    }
}

}  // namespace
}  // namespace pixlin
