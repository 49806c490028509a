#include "window/loupe_state.h"

#include <gtest/gtest.h>

#include <optional>

namespace pixlin {
namespace {

// Five cells across and down at factor 8.
LoupeState SmallLoupe(int32_t side = 40, int32_t factor = 8) {
    const PixelRect box{0, 0, side, side};
    return LoupeState(*MakeLoupeGeometry(box, factor, box));
}

TEST(LoupeState, LiveItCentresOnTheSampleAndIgnoresPicking) {
    LoupeState loupe = SmallLoupe();
    loupe.Follow({300, -20});
    EXPECT_EQ(loupe.View(), (Point{300, -20}));
    EXPECT_EQ(loupe.Selected(), (Point{300, -20}));
    EXPECT_EQ(loupe.SelectedCell(), (LoupeCell{2, 2}));

    EXPECT_FALSE(loupe.SelectAt(4, 4));
    loupe.MoveSelection(1, 0);
    EXPECT_EQ(loupe.Selected(), (Point{300, -20}));
}

TEST(LoupeState, HoldAreaIsTheFactorTwoViewWithAsMuchAgainAround) {
    LoupeState loupe(*MakeLoupeGeometry({10, 20, 130, 116}, 8, {0, 0, 400, 300}));
    loupe.Follow({100, 200});
    // At factor 2 the box shows 59 x 47 pixels.
    EXPECT_EQ(loupe.HoldArea(), (PixelRect{41, 153, 160, 248}));
}

TEST(LoupeState, ArrowsMoveThePickAndTheViewFollowsWithinThePicture) {
    LoupeState loupe = SmallLoupe();
    loupe.Follow({100, 100});
    // The picture holds 90..110 both ways; the screen begins at x 95.
    loupe.Hold({90, 90, 111, 111}, {95, -1000, 1000, 1000});
    struct Row {
        int32_t dx;
        int32_t dy;
        Point selected;
        Point view;
    };
    const Row rows[] = {
        {1, 0, {101, 100}, {101, 100}},  {10, 0, {110, 100}, {108, 100}},  // the view stops at the picture's edge, the
                                                                           // pick at its last pixel
        {10, 0, {110, 100}, {108, 100}}, {-1, 0, {109, 100}, {107, 100}},  // back: the frame keeps its cell and the
                                                                           // view follows
        {-10, 0, {99, 100}, {97, 100}},  {-10, 0, {95, 100}, {93, 100}},   // the pick never leaves the screen
        {0, -10, {95, 90}, {93, 92}},    {0, 10, {95, 100}, {93, 102}},   {0, 10, {95, 110}, {93, 108}},
    };
    for (const Row& row : rows) {
        loupe.MoveSelection(row.dx, row.dy);
        EXPECT_EQ(loupe.Selected(), row.selected) << row.dx << "," << row.dy;
        EXPECT_EQ(loupe.View(), row.view) << row.dx << "," << row.dy;
        EXPECT_TRUE(loupe.SelectedCell()) << row.dx << "," << row.dy;
    }
}

TEST(LoupeState, AClickPicksTheCellsPixelAndLeavesTheView) {
    LoupeState loupe = SmallLoupe();
    loupe.Follow({100, 100});
    loupe.Hold({90, 90, 111, 111}, {99, 90, 111, 111});
    struct Row {
        int32_t x;
        int32_t y;
        bool picked;
        Point selected;
    };
    const Row rows[] = {
        {39, 0, true, {102, 98}},  // top right cell
        {20, 20, true, {100, 100}}, {8, 39, true, {99, 102}},
        {7, 20, false, {99, 102}},   // its pixel lies beyond the screen
        {40, 20, false, {99, 102}},  // beside the cells
    };
    for (const Row& row : rows) {
        EXPECT_EQ(loupe.SelectAt(row.x, row.y), row.picked) << row.x << "," << row.y;
        EXPECT_EQ(loupe.Selected(), row.selected) << row.x << "," << row.y;
        EXPECT_EQ(loupe.View(), (Point{100, 100}));
    }
}

TEST(LoupeState, WheelStepsTheFactorAsFarAsTheBoxHoldsACell) {
    struct Row {
        int32_t side;
        int32_t factor;
        int32_t steps;
        int32_t expected;
    };
    const Row rows[] = {
        {40, 8, 1, 12}, {40, 8, -1, 6}, {40, 8, 4, 32}, {40, 32, 1, 32},
        {40, 2, -1, 2}, {20, 8, 1, 12}, {20, 8, 3, 16}, {20, 16, 1, 16},  // 24 needs a box of 24
        {5, 5, 1, 5},  // the next listed factor would hold no cell, nor does stepping back reach below 5
        {13, 5, 1, 6},
    };
    for (const Row& row : rows) {
        LoupeState loupe = SmallLoupe(row.side, row.factor);
        EXPECT_EQ(loupe.Zoom(row.steps), row.expected != row.factor) << row.side << " " << row.factor;
        EXPECT_EQ(loupe.Geometry().factor, row.expected) << row.side << " " << row.factor;
    }
}

TEST(LoupeState, HeldZoomCentresOnThePickAsFarAsThePictureAllows) {
    LoupeState loupe = SmallLoupe(40, 4);  // 9 cells
    loupe.Follow({100, 100});
    loupe.Hold({90, 90, 111, 111}, {90, 90, 111, 111});
    loupe.MoveSelection(10, -3);
    EXPECT_EQ(loupe.View(), (Point{106, 97}));
    ASSERT_TRUE(loupe.Zoom(1));  // 5 cells
    EXPECT_EQ(loupe.Selected(), (Point{110, 97}));
    EXPECT_EQ(loupe.View(), (Point{108, 97}));
    EXPECT_EQ(loupe.SelectedCell(), (LoupeCell{4, 2}));
}

}  // namespace
}  // namespace pixlin
