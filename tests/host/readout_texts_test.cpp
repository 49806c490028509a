#include "core/texts/readout_texts.h"

#include "support/reference_colours.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using pixlin::Readouts;
using pixlin::testing::ReferenceColour;
using pixlin::testing::ReferenceColours;

void ExpectSame(const Readouts& actual, const ReferenceColour& expected) {
    EXPECT_EQ(actual.longValue, expected.longValue) << expected.rgb;
    EXPECT_EQ(actual.rgb, expected.rgb) << expected.rgb;
    EXPECT_EQ(actual.hex, expected.hex) << expected.rgb;
    EXPECT_EQ(actual.name, expected.name) << expected.rgb;
    EXPECT_EQ(actual.ycbcr, expected.ycbcr) << expected.rgb;
    EXPECT_EQ(actual.cmyk, expected.cmyk) << expected.rgb;
    EXPECT_EQ(actual.cmy, expected.cmy) << expected.rgb;
    EXPECT_EQ(actual.hls, expected.hls) << expected.rgb;
}

TEST(MakeReadouts, WritesEveryReadoutOfTheColour) {
    const std::vector<ReferenceColour> rows = ReferenceColours();
    ASSERT_GE(rows.size(), 2u);
    // One model serves every tick, as in the window: nothing may leak from one colour to the next.
    cClrModels model;
    for (const ReferenceColour& row : rows) {
        ExpectSame(pixlin::MakeReadouts(static_cast<int32_t>(row.colour), model), row);
    }
    EXPECT_EQ(model.rgbR(), static_cast<int32_t>(rows.back().colour & 0xFF));
    EXPECT_EQ(model.rgbG(), static_cast<int32_t>(rows.back().colour >> 8 & 0xFF));
    EXPECT_EQ(model.rgbB(), static_cast<int32_t>(rows.back().colour >> 16 & 0xFF));
}

TEST(CaptionText, JoinsBothCoordinatesWithThreeBlanks) {
    EXPECT_EQ(pixlin::CaptionText(1024, 768), "X:1024   Y:768");
    EXPECT_EQ(pixlin::CaptionText(-1280, 300), "X:-1280   Y:300");
    EXPECT_EQ(pixlin::CaptionText(0, -5), "X:0   Y:-5");
    EXPECT_EQ(pixlin::CaptionText(INT32_MIN, INT32_MAX), "X:-2147483648   Y:2147483647");
}

TEST(PointerMoved, EitherCoordinateCounts) {
    EXPECT_FALSE(pixlin::PointerMoved({0, 0}, {0, 0}));
    EXPECT_FALSE(pixlin::PointerMoved({-1280, 300}, {-1280, 300}));
    EXPECT_TRUE(pixlin::PointerMoved({10, 20}, {10, 21}));
    EXPECT_TRUE(pixlin::PointerMoved({10, 20}, {11, 20}));
}

}  // namespace
