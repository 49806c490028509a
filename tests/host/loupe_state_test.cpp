#include "core/loupe/loupe_state.h"

#include <gtest/gtest.h>

namespace pixlin {
namespace {

// A box of side x side window pixels; five cells across and down at factor 8 and side 40.
LoupeState Loupe(int32_t side, int32_t factor, Point sample) {
    const PixelRect box{0, 0, side, side};
    LoupeState loupe(*MakeLoupeGeometry(box, factor, box));
    loupe.Follow(sample);
    return loupe;
}

TEST(LoupeState, ArrowsMoveThePickAndTheViewFollowsWithinThePicture) {
    LoupeState loupe = Loupe(40, 8, {100, 100});
    EXPECT_FALSE(loupe.SelectAt(20, 20)) << "live, the sample is the pick";
    // At factor 2 the box shows 19 pixels across.
    ASSERT_EQ(loupe.HoldArea(), (PixelRect{81, 81, 120, 120}));
    // A smaller picture, holding 90..110; the screen begins at x 95.
    loupe.Hold({90, 90, 111, 111}, {95, -1000, 1000, 1000});
    const struct {
        int32_t dx;
        int32_t dy;
        Point selected;
        Point view;
    } rows[] = {
        {1, 0, {101, 100}, {101, 100}},
        {10, 0, {110, 100}, {108, 100}},  // the view stops at the picture's edge, the pick at its last pixel
        {-1, 0, {109, 100}, {107, 100}},  // back: the frame keeps its cell and the view follows
        {-10, 0, {99, 100}, {97, 100}},
        {-10, 0, {95, 100}, {93, 100}},  // the pick never leaves the screen
        {0, -10, {95, 90}, {93, 92}},
        {0, 10, {95, 100}, {93, 102}},
    };
    for (const auto& row : rows) {
        loupe.MoveSelection(row.dx, row.dy);
        EXPECT_EQ(loupe.Selected(), row.selected) << row.dx << "," << row.dy;
        EXPECT_EQ(loupe.View(), row.view) << row.dx << "," << row.dy;
    }
}

TEST(LoupeState, AClickPicksTheCellsPixelAndLeavesTheView) {
    LoupeState loupe = Loupe(40, 8, {100, 100});
    loupe.Hold({90, 90, 111, 111}, {99, 90, 111, 111});
    const struct {
        int32_t x;
        int32_t y;
        bool picked;
        Point selected;
    } rows[] = {
        {39, 0, true, {102, 98}},   {32, 7, true, {102, 98}},  {0, 40, false, {102, 98}},  // below the cells
        {8, 39, true, {99, 102}},   {7, 20, false, {99, 102}},  // its pixel lies beyond the screen
        {40, 20, false, {99, 102}},                             // beside the cells
    };
    for (const auto& row : rows) {
        EXPECT_EQ(loupe.SelectAt(row.x, row.y), row.picked) << row.x << "," << row.y;
        EXPECT_EQ(loupe.Selected(), row.selected) << row.x << "," << row.y;
        EXPECT_EQ(loupe.View(), (Point{100, 100}));
    }
}

TEST(LoupeState, WheelStepsTheFactorAsFarAsTheBoxHoldsACell) {
    const struct {
        int32_t side;
        int32_t factor;
        int32_t steps;
        int32_t expected;
    } rows[] = {
        {40, 8, 1, 12}, {40, 8, -1, 6},  {40, 32, 1, 32},
        {20, 8, 3, 16}, {20, 16, 1, 16}, {5, 5, 1, 5},  // 6 holds no cell, and giving way must not zoom out below 5
    };
    for (const auto& row : rows) {
        LoupeState loupe = Loupe(row.side, row.factor, {0, 0});
        EXPECT_EQ(loupe.Zoom(row.steps), row.expected != row.factor) << row.side << " " << row.factor;
        EXPECT_EQ(loupe.Geometry().factor, row.expected) << row.side << " " << row.factor;
    }

    // Held, the view centres on the pick again as far as the picture allows.
    LoupeState held = Loupe(40, 4, {100, 100});  // 9 cells
    held.Hold({90, 90, 111, 111}, {90, 90, 111, 111});
    held.MoveSelection(10, -3);
    ASSERT_TRUE(held.Zoom(1));  // 5 cells
    EXPECT_EQ(held.View(), (Point{108, 97}));
    EXPECT_EQ(held.SelectedCell(), (LoupeCell{4, 2}));
}

}  // namespace
}  // namespace pixlin
