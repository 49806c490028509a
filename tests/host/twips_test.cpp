#include "core/design/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(Twips, FactorFollowsTheScreenResolution) {
    EXPECT_EQ(pixlin::TwipsPerPixel(96), 15.0f);
    EXPECT_EQ(pixlin::TwipsPerPixel(120), 12.0f);
    EXPECT_EQ(pixlin::TwipsPerPixel(192), 7.5f);
    EXPECT_EQ(pixlin::TwipsPerPixel(168), static_cast<float>(1440.0 / 168));
    EXPECT_EQ(pixlin::TwipsPerPixel(0), 15.0f);
}

TEST(Twips, PixelsRoundHalfToEven) {
    const struct {
        float twips;
        int dpi;
        int pixels;
    } rows[] = {
        {1500.0f, 96, 100},  {7.5f, 96, 0},    {22.5f, 96, 2},    {37.5f, 96, 2}, {-22.5f, 96, -2},
        {1923.0f, 192, 256}, {18.75f, 192, 2}, {600.0f, 168, 70}, {0.0f, 120, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(pixlin::TwipsToPixels(row.twips, pixlin::TwipsPerPixel(row.dpi)), row.pixels)
            << row.twips << " twips at " << row.dpi << " dpi";
    }
}

TEST(Twips, PixelsBeyond32BitsAreTheOverflowError) {
    EXPECT_THROW(pixlin::TwipsToPixels(1e12f, 15.0f), pixlin::RunError);
}

TEST(Twips, TwipsFromPixels) {
    EXPECT_EQ(pixlin::PixelsToTwips(100, pixlin::TwipsPerPixel(96)), 1500.0f);
    EXPECT_EQ(pixlin::PixelsToTwips(-3, pixlin::TwipsPerPixel(192)), -22.5f);
}

}  // namespace
