#include "window/readout_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using pixlin::Readouts;

struct ReadoutRow {
    int32_t colour;
    Readouts texts;
};

void ExpectSame(const Readouts& actual, const Readouts& expected, int32_t colour) {
    EXPECT_EQ(actual.longValue, expected.longValue) << colour;
    EXPECT_EQ(actual.rgb, expected.rgb) << colour;
    EXPECT_EQ(actual.hex, expected.hex) << colour;
    EXPECT_EQ(actual.name, expected.name) << colour;
    EXPECT_EQ(actual.ycbcr, expected.ycbcr) << colour;
    EXPECT_EQ(actual.cmyk, expected.cmyk) << colour;
    EXPECT_EQ(actual.cmy, expected.cmy) << colour;
    EXPECT_EQ(actual.hls, expected.hls) << colour;
}

TEST(MakeReadouts, WritesEveryReadoutOfTheColour) {
    const ReadoutRow rows[] = {
        {33023, {"33023", "255,128,0", "'#FF8000'", "", "151,43,202", "0,50,100,0", "0,127,255", "90,50,100"}},
        {0, {"0", "0,0,0", "'#000000'", "black - Schwarz", "0,128,128", "0,0,0,100", "255,255,255", "60,0,0"}},
        {16777215,
         {"16777215", "255,255,255", "'#FFFFFF'", "white - Weiß", "255,128,128", "0,0,0,0", "0,0,0", "60,100,0"}},
        {65535,
         {"65535", "255,255,0", "'#FFFF00'", "yellow - Gelb", "226,0,149", "0,0,100,0", "0,0,255", "120,50,100"}},
        {13145700, {"13145700", "100,150,200", "'#6496C8'", "", "141,161,99", "50,24,0,22", "155,105,55", "270,59,48"}},
    };
    // One model serves every tick, as in the window: nothing may leak from one colour to the next.
    cClrModels model;
    for (const ReadoutRow& row : rows) {
        ExpectSame(pixlin::MakeReadouts(row.colour, model), row.texts, row.colour);
    }
    EXPECT_EQ(model.rgbR(), 100);
    EXPECT_EQ(model.rgbG(), 150);
    EXPECT_EQ(model.rgbB(), 200);
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
