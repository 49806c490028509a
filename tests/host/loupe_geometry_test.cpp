#include "window/loupe_geometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace pixlin {
namespace {

constexpr PixelRect kWindow{0, 0, 400, 300};

TEST(MakeLoupeGeometry, OddCellCountsCentredInTheBox) {
    struct Row {
        PixelRect box;
        int32_t factor;
        std::optional<LoupeGeometry> expected;
    };
    const Row rows[] = {
        {{10, 20, 130, 116}, 8, LoupeGeometry{{10, 20, 130, 116}, {10, 24, 130, 112}, 8, 15, 11}},
        {{10, 20, 110, 120}, 8, LoupeGeometry{{10, 20, 110, 120}, {16, 26, 104, 114}, 8, 11, 11}},
        {{0, 0, 17, 16}, 8, LoupeGeometry{{0, 0, 17, 16}, {4, 4, 12, 12}, 8, 1, 1}},
        {{0, 0, 8, 8}, 8, LoupeGeometry{{0, 0, 8, 8}, {0, 0, 8, 8}, 8, 1, 1}},
        {{0, 0, 15, 31}, 2, LoupeGeometry{{0, 0, 15, 31}, {0, 0, 14, 30}, 2, 7, 15}},
        {{0, 0, 64, 64}, 32, LoupeGeometry{{0, 0, 64, 64}, {16, 16, 48, 48}, 32, 1, 1}},
        // Smaller than one cell across or down: no loupe.
        {{0, 0, 7, 50}, 8, std::nullopt},
        {{0, 0, 50, 7}, 8, std::nullopt},
        {{5, 5, 5, 40}, 2, std::nullopt},
        {{5, 5, 4, 40}, 2, std::nullopt},
        // Only the part inside the window counts.
        {{-10, 250, 100, 400}, 10, LoupeGeometry{{0, 250, 100, 300}, {5, 250, 95, 300}, 10, 9, 5}},
        {{500, 0, 600, 100}, 2, std::nullopt},
        // Factors the loupe never uses.
        {{0, 0, 100, 100}, 0, std::nullopt},
        {{0, 0, 100, 100}, 1, std::nullopt},
        {{0, 0, 100, 100}, 33, std::nullopt},
        {{0, 0, 100, 100}, -8, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MakeLoupeGeometry(row.box, row.factor, kWindow), row.expected)
            << row.box.left << "," << row.box.top << "," << row.box.right << "," << row.box.bottom << " x"
            << row.factor;
    }
}

TEST(LoupeGeometry, MapsWindowPointsToCellsAndCellsToScreenPixels) {
    const LoupeGeometry geometry = *MakeLoupeGeometry({10, 20, 130, 116}, 8, kWindow);
    struct Row {
        int32_t x;
        int32_t y;
        std::optional<LoupeCell> cell;
    };
    const Row rows[] = {
        {10, 24, LoupeCell{0, 0}},     {17, 31, LoupeCell{0, 0}}, {18, 24, LoupeCell{1, 0}},
        {129, 111, LoupeCell{14, 10}}, {70, 66, LoupeCell{7, 5}}, {130, 24, std::nullopt},
        {9, 24, std::nullopt},         {10, 23, std::nullopt},    {10, 112, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(geometry.CellAt(row.x, row.y), row.cell) << row.x << "," << row.y;
    }

    const Point centre{-100, 200};
    EXPECT_EQ(geometry.PixelIn({0, 0}, centre), (Point{-107, 195}));
    EXPECT_EQ(geometry.PixelIn({7, 5}, centre), centre);
    EXPECT_EQ(geometry.PixelIn({14, 10}, centre), (Point{-93, 205}));
    EXPECT_EQ(geometry.ShownArea(centre), (PixelRect{-107, 195, -92, 206}));
}

TEST(StepLoupeFactor, WalksTheListAndStopsAtItsEnds) {
    struct Row {
        int32_t factor;
        int32_t steps;
        int32_t expected;
    };
    const Row rows[] = {
        {8, 1, 12},
        {8, -1, 6},
        {8, 0, 8},
        {2, -1, 2},
        {32, 1, 32},
        {2, 8, 32},
        {2, 100, 32},
        {32, -100, 2},
        {3, 1, 4},
        {4, -1, 3},
        {24, 1, 32},
        {16, -2, 8},
        // Unlisted factors, as a skin may give them: the first step goes to the listed neighbour that way.
        {5, 1, 6},
        {5, -1, 4},
        {7, 2, 12},
        {7, -2, 4},
        {13, -1, 12},
        {13, 1, 16},
        {31, -1, 24},
        {31, 1, 32},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StepLoupeFactor(row.factor, row.steps), row.expected) << row.factor << " " << row.steps;
    }
}

}  // namespace
}  // namespace pixlin
