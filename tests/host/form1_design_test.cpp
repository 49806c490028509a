#include "core/design/form1_design.h"

#include <gtest/gtest.h>

#include "core/base/run_error.h"
#include "core/design/twips.h"

namespace pixlin {
namespace {

LayoutScale ScaleAt(int dpi) {
    return {TwipsPerPixel(dpi), TwipsPerPixel(dpi)};
}

TEST(Form1Design, ControlsInPixelsAtCommonResolutions) {
    const auto label = [](Form1Control which) { return kLabelDesign[static_cast<std::size_t>(which)].place; };
    const struct {
        const char* control;
        TwipsRect place;
        int dpi;
        PixelRect pixels;
    } rows[] = {
        {"Text1", kText1Design, 96, {108, 336, 250, 358}},
        {"Text1", kText1Design, 144, {162, 504, 375, 537}},
        // 10 twips a pixel at 144 dpi: 193.5, 409.5, 145.5 and 28.5 pixels round half to even.
        {"lbl_HLS", label(Form1Control::lbl_HLS), 96, {129, 273, 226, 292}},
        {"lbl_HLS", label(Form1Control::lbl_HLS), 144, {194, 410, 340, 438}},
        {"Label3", label(Form1Control::Label3), 96, {42, 36, 76, 70}},
        {"Label3", label(Form1Control::Label3), 144, {63, 54, 114, 105}},
        {"Shape1", kShape1Design, 96, {186, 171, 247, 256}},
        {"Shape1", kShape1Design, 144, {279, 256, 371, 384}},
        {"Picture1", kPicture1Design, 120, {322, 22, 340, 47}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ToPixels(row.place, ScaleAt(row.dpi)), row.pixels) << row.control << " at " << row.dpi << " dpi";
    }
}

TEST(Form1Design, PlacesBeyond32BitPixelsAreTheOverflowError) {
    EXPECT_THROW(ToPixels({1e12f, 0, 10, 10}, ScaleAt(96)), RunError);
    EXPECT_THROW(ToPixels({3.0e10f, 0, 3.0e10f, 10}, ScaleAt(96)), RunError);
}

TEST(Form1Design, FontHeightsFollowTheScreenResolution) {
    const struct {
        float points;
        int dpi;
        int pixels;
    } rows[] = {
        {kArialBold975Points, 96, 13},   {kArialRegular9Points, 96, 12}, {kArialBold975Points, 144, 20},
        {kArialRegular9Points, 144, 18}, {kArialBold975Points, 120, 16}, {kArialBold975Points, 192, 26},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FontHeightPixels(row.points, row.dpi), row.pixels) << row.points << " pt at " << row.dpi;
    }
}

TEST(Form1Design, TheLastControlCreatedTakesTheClick) {
    const PixelRect rects[] = {{0, 0, 100, 20}, {50, 10, 80, 40}, {200, 200, 210, 210}};
    const struct {
        int32_t x;
        int32_t y;
        std::optional<std::size_t> hit;
    } rows[] = {
        {0, 0, 0},
        {99, 19, 0},
        {60, 15, 1},
        {60, 30, 1},
        {100, 5, std::nullopt},
        {49, 25, {}},
        {209, 209, 2},
        {210, 209, {}},
        {-1, -1, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TopmostAt(rects, row.x, row.y), row.hit) << row.x << "," << row.y;
    }
}

}  // namespace
}  // namespace pixlin
