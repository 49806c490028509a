#include "core/loupe/loupe_geometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace pixlin {
namespace {

TEST(MakeLoupeGeometry, OddCellCountsCentredInTheVisibleBox) {
    const PixelRect window{0, 0, 400, 300};
    const struct {
        PixelRect box;
        int32_t factor;
        std::optional<LoupeGeometry> expected;
        int32_t dpi = kStandardDpi;
    } rows[] = {
        {{10, 20, 130, 116}, 8, LoupeGeometry{{10, 20, 130, 116}, {10, 24, 130, 112}, 8, 15, 11}},
        {{0, 0, 17, 16}, 8, LoupeGeometry{{0, 0, 17, 16}, {4, 4, 12, 12}, 8, 1, 1}},
        {{0, 0, 15, 31}, 2, LoupeGeometry{{0, 0, 15, 31}, {0, 0, 14, 30}, 2, 7, 15}},
        {{-10, 250, 100, 400}, 10, LoupeGeometry{{0, 250, 100, 300}, {5, 250, 95, 300}, 10, 9, 5}},
        {{0, 0, 7, 50}, 8, std::nullopt},  // narrower than one cell: no loupe
        {{500, 0, 600, 100}, 2, std::nullopt},
        // Wholly outside, at a distance that is an odd number of cells: still no loupe.
        {{18, 310, 282, 446}, 8, std::nullopt},
        {{-200, 0, -100, 100}, 4, std::nullopt},
        {{0, 0, 100, 100}, 1, std::nullopt},
        {{0, 0, 100, 100}, 33, std::nullopt},
        // Cells are the factor scaled like any length: 6 at 200 % is 12, 3 at 125 % is 3.75, rounded to 4.
        {{0, 0, 180, 180}, 6, LoupeGeometry{{0, 0, 180, 180}, {0, 0, 180, 180}, 6, 15, 15, 192}, 192},
        {{0, 0, 100, 50}, 3, LoupeGeometry{{0, 0, 100, 50}, {0, 3, 100, 47}, 3, 25, 11, 120}, 120},
        {{0, 0, 5, 11}, 2, std::nullopt, 288},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MakeLoupeGeometry(row.box, row.factor, window, DisplayScale(row.dpi)), row.expected)
            << row.box.right << " x" << row.factor << " at " << row.dpi;
    }
}

TEST(StepLoupeFactor, WalksTheListAndStopsAtItsEnds) {
    const struct {
        int32_t factor;
        int32_t steps;
        int32_t expected;
    } rows[] = {
        {8, 1, 12},
        {8, -1, 6},
        {8, 0, 8},
        {2, -1, 2},
        {32, 1, 32},
        {2, 100, 32},
        {4, -1, 3},
        {16, -2, 8},
        // Unlisted factors, as a skin may give them: the first step goes to the listed neighbour that way.
        {5, 1, 6},
        {5, -1, 4},
        {7, 2, 12},
        {13, -1, 12},
        {31, 1, 32},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(StepLoupeFactor(row.factor, row.steps), row.expected) << row.factor << " " << row.steps;
    }
}

}  // namespace
}  // namespace pixlin
