#include "core/design/display_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/base/run_error.h"
#include "core/design/form1_design.h"
#include "core/design/twips.h"

namespace pixlin {
namespace {

TEST(DisplayScale, AtStandardDpiEveryLengthStaysAsItWas) {
    const DisplayScale standard;
    for (int32_t pixels = -5000; pixels <= 70000; ++pixels) {
        ASSERT_EQ(standard.Pixels(pixels), pixels);
    }
    for (const LabelDesign& design : kLabelDesign) {
        EXPECT_EQ(ToPixels(design.place, standard), ToPixels(design.place, LayoutScale{}));
    }
    EXPECT_EQ(standard.Pixels(22.5f), TwipsToPixels(22.5f, 15.0f));
}

// value × dpi / 96 for a value of numerator / denominator pixels at 100 %, rounded half to even, on whole numbers.
int64_t ExactPixels(int64_t numerator, int64_t denominator, int32_t dpi) {
    const int64_t dividend = (numerator < 0 ? -numerator : numerator) * dpi;
    const int64_t divisor = denominator * kStandardDpi;
    int64_t pixels = dividend / divisor;
    const int64_t twiceRemainder = 2 * (dividend % divisor);
    if (twiceRemainder > divisor || (twiceRemainder == divisor && pixels % 2 != 0)) {
        ++pixels;
    }
    return numerator < 0 ? -pixels : pixels;
}

// Every scale from 75 % to 500 %, every whole length up to 16384 and every eighth up to 2048: as pixels at 100 %, as
// the twips a design or layout value becomes (value × 15, fractions included), and negated.
TEST(DisplayScale, EveryLengthIsValueTimesDpiOver96RoundedHalfToEvenExactly) {
    constexpr int64_t kEighths = 8;
    for (int32_t dpi = 72; dpi <= 480; ++dpi) {
        const DisplayScale scale(dpi);
        for (int32_t value = 0; value <= 16384; ++value) {
            const int64_t expected = ExactPixels(value, 1, dpi);
            ASSERT_EQ(scale.Pixels(value), expected) << value << " px at " << dpi << " dpi";
            ASSERT_EQ(scale.Pixels(-value), -expected) << -value << " px at " << dpi << " dpi";
            ASSERT_EQ(scale.Pixels(static_cast<float>(value) * 15.0f), expected) << value << " px at " << dpi;
        }
        for (int32_t eighths = 0; eighths <= 2048 * kEighths; ++eighths) {
            const float twips = static_cast<float>(eighths) * 15.0f / kEighths;
            ASSERT_EQ(scale.Pixels(twips), ExactPixels(eighths, kEighths, dpi)) << eighths << "/8 px at " << dpi;
            ASSERT_EQ(scale.Pixels(-twips), ExactPixels(-eighths, kEighths, dpi)) << -eighths << "/8 px at " << dpi;
        }
    }
}

// Any single a layout value can become keeps the pixels that dividing in singles gave it at 100 %.
TEST(DisplayScale, AtStandardDpiFractionalTwipsKeepTheirFormerPixels) {
    const DisplayScale standard;
    for (int32_t sixteenths = -(1 << 22); sixteenths <= (1 << 22); ++sixteenths) {
        const float twips = static_cast<float>(sixteenths) / 16.0f;
        const auto former =
            static_cast<int32_t>(std::nearbyint(static_cast<float>(static_cast<double>(twips) / 15.0f)));
        ASSERT_EQ(standard.Pixels(twips), former) << twips << " twips";
        ASSERT_EQ(TwipsToPixels(twips, kUnscaledLayout.twipsPerPixelX), former) << twips << " twips";
    }
}

TEST(DisplayScale, PlacesOfControlsFollowTheSameRule) {
    const TwipsRect place{1050.0f, 1057.5f, 2250.0f, 7.5f};
    const struct {
        int32_t dpi;
        PixelRect expected;
    } rows[] = {
        {96, {70, 70, 220, 70}},
        {168, {122, 123, 384, 124}},
        {144, {105, 106, 330, 107}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ToPixels(place, DisplayScale(row.dpi)), row.expected) << row.dpi << " dpi";
    }
    EXPECT_THROW(ToPixels({3.0e10f, 0, 3.0e10f, 10}, DisplayScale()), RunError);
    EXPECT_THROW(DisplayScale().Pixels(1e12f), RunError);
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
