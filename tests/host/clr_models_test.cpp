#include "core/colour/clr_models.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct Rgb {
    int r, g, b;
};

cClrModels Holding(Rgb colour) {
    cClrModels model;
    model.rgbR(static_cast<uint8_t>(colour.r));
    model.rgbG(static_cast<uint8_t>(colour.g));
    model.rgbB(static_cast<uint8_t>(colour.b));
    return model;
}

Rgb Channels(const cClrModels& model) {
    return {model.rgbR(), model.rgbG(), model.rgbB()};
}

bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

void PrintTo(Rgb c, std::ostream* os) {
    *os << c.r << "," << c.g << "," << c.b;
}

struct ModelRow {
    Rgb colour;
    std::array<int, 3> cmy;
    std::array<int, 4> cmyk;  // C, M, Y, K
    std::array<int, 3> hls;
    std::array<int, 3> ycbcr;
};

// Includes the colours where single and double precision part ways (0,15,72 hue; 63,17,31 saturation) and
// where the rounded lightness picks the denominator (255,1,1).
constexpr ModelRow kRows[] = {
    {{255, 128, 0}, {0, 127, 255}, {0, 50, 100, 0}, {90, 50, 100}, {151, 43, 202}},
    {{0, 0, 0}, {255, 255, 255}, {0, 0, 0, 100}, {60, 0, 0}, {0, 128, 128}},
    {{255, 255, 255}, {0, 0, 0}, {0, 0, 0, 0}, {60, 100, 0}, {255, 128, 128}},
    {{128, 128, 128}, {127, 127, 127}, {0, 0, 0, 50}, {60, 50, 0}, {128, 128, 128}},
    {{1, 1, 1}, {254, 254, 254}, {0, 0, 0, 100}, {60, 0, 0}, {1, 128, 128}},
    {{255, 0, 0}, {0, 255, 255}, {0, 100, 100, 0}, {60, 50, 100}, {76, 85, 255}},
    {{255, 255, 0}, {0, 0, 255}, {0, 0, 100, 0}, {120, 50, 100}, {226, 0, 149}},
    {{0, 0, 255}, {255, 255, 0}, {100, 100, 0, 0}, {300, 50, 100}, {29, 255, 107}},
    {{255, 0, 255}, {0, 255, 0}, {0, 100, 0, 0}, {0, 50, 100}, {105, 212, 235}},
    {{254, 0, 255}, {1, 255, 0}, {0, 100, 0, 0}, {360, 50, 100}, {105, 213, 234}},
    {{100, 150, 200}, {155, 105, 55}, {50, 24, 0, 22}, {270, 59, 48}, {141, 161, 99}},
    {{63, 17, 31}, {192, 238, 224}, {0, 72, 52, 75}, {42, 16, 57}, {32, 127, 150}},
    {{0, 15, 72}, {255, 240, 183}, {100, 79, 0, 72}, {288, 14, 100}, {17, 159, 116}},
};

class ModelReads : public testing::TestWithParam<ModelRow> {};

TEST_P(ModelReads, GiveTheExpectedValuesInEveryModel) {
    const ModelRow& row = GetParam();
    const cClrModels model = Holding(row.colour);
    EXPECT_EQ((std::array<int, 3>{model.cmyC(), model.cmyM(), model.cmyY()}), row.cmy);
    EXPECT_EQ((std::array<int, 4>{model.cmykC(), model.cmykM(), model.cmykY(), model.cmykK()}), row.cmyk);
    EXPECT_EQ((std::array<int, 3>{model.hlsH(), model.hlsL(), model.hlsS()}), row.hls);
    EXPECT_EQ((std::array<int, 3>{model.ycbcrY(), model.ycbcrCb(), model.ycbcrCr()}), row.ycbcr);
}

INSTANTIATE_TEST_SUITE_P(ColourTable, ModelReads, testing::ValuesIn(kRows));

TEST(ClrModels, NewObjectHoldsBlack) {
    const cClrModels model;
    EXPECT_EQ(Channels(model), (Rgb{0, 0, 0}));
    EXPECT_EQ(model.cmykK(), 100);
    EXPECT_EQ(model.hlsH(), 60);
}

TEST(ClrModels, LightnessThatRoundsToHalfUsesMaxPlusMinDenominator) {
    const cClrModels model = Holding({255, 1, 1});
    EXPECT_EQ(model.hlsH(), 60);
    EXPECT_EQ(model.hlsL(), 50);
    EXPECT_EQ(model.hlsS(), 99);
}

TEST(ClrModels, ChromaIsLimitedAt255) {
    EXPECT_EQ(Holding({255, 0, 0}).ycbcrCr(), 255);
    EXPECT_EQ(Holding({0, 0, 255}).ycbcrCb(), 255);
    EXPECT_EQ(Holding({0, 255, 255}).ycbcrCr(), 0);
}

// Each product is rounded before it is added; a fused multiply-add moves these sums across the .5 tie.
TEST(ClrModels, SumsRoundEachProductBeforeAdding) {
    struct Row {
        Rgb colour;
        int y;
        int cb;
    };
    const Row rows[] = {{{131, 131, 0}, 116, 62}, {{247, 247, 0}, 219, 4}, {{137, 57, 1}, 75, 87}};
    for (const Row& row : rows) {
        const cClrModels model = Holding(row.colour);
        EXPECT_EQ(int{model.ycbcrY()}, row.y) << row.colour.r << "," << row.colour.g << "," << row.colour.b;
        EXPECT_EQ(int{model.ycbcrCb()}, row.cb) << row.colour.r << "," << row.colour.g << "," << row.colour.b;
    }
}

struct SetRow {
    const char* operation;
    Rgb before;
    std::array<int16_t, 4> inputs;
    Rgb after;
};

void Apply(cClrModels& model, const SetRow& row) {
    const auto& in = row.inputs;
    const std::string_view operation = row.operation;
    if (operation == "CMY") {
        model.SetCMY(in[0], in[1], in[2]);
    } else if (operation == "CMYK") {
        model.SetCMYK(in[0], in[1], in[2], in[3]);
    } else if (operation == "HLS") {
        model.SetHLS(in[0], in[1], in[2]);
    } else {
        model.SetYCbCr(in[0], in[1], in[2]);
    }
}

TEST(ClrModels, SetOperationsStoreTheConvertedColour) {
    const SetRow rows[] = {
        {"CMY", {9, 9, 9}, {0, 127, 255, 0}, {255, 128, 0}},
        {"CMYK", {9, 9, 9}, {0, 50, 100, 0}, {255, 128, 0}},
        {"CMYK", {9, 9, 9}, {50, 24, 0, 22}, {99, 151, 199}},
        {"HLS", {9, 9, 9}, {90, 50, 100, 0}, {255, 128, 0}},
        {"HLS", {9, 9, 9}, {60, 50, 100, 0}, {255, 0, 0}},
        {"HLS", {9, 9, 9}, {0, 50, 100, 0}, {255, 0, 255}},
        {"HLS", {9, 9, 9}, {360, 50, 100, 0}, {255, 0, 255}},
        {"HLS", {9, 9, 9}, {123, 37, 0, 0}, {94, 94, 94}},
        {"HLS", {9, 9, 9}, {300, 75, 100, 0}, {128, 128, 255}},
        {"YCbCr", {9, 9, 9}, {151, 43, 202, 0}, {255, 127, 0}},
        {"YCbCr", {9, 9, 9}, {0, 0, 0, 0}, {0, 135, 0}},
        {"YCbCr", {9, 9, 9}, {255, 255, 255, 0}, {255, 121, 255}},
        {"YCbCr", {9, 9, 9}, {19, 78, 178, 0}, {89, 0, 0}},
        {"YCbCr", {9, 9, 9}, {223, 3, 0, 0}, {44, 255, 2}},
    };
    for (const SetRow& row : rows) {
        cClrModels model = Holding(row.before);
        Apply(model, row);
        EXPECT_EQ(Channels(model), row.after) << row.operation << " " << row.inputs[0] << "," << row.inputs[1] << ","
                                              << row.inputs[2] << "," << row.inputs[3];
    }
}

TEST(ClrModels, FailingSetKeepsChannelsStoredBeforeTheFailure) {
    const SetRow rows[] = {
        {"CMY", {1, 2, 3}, {10, 300, 5, 0}, {245, 2, 3}},
        {"CMY", {1, 2, 3}, {-1, 0, 0, 0}, {1, 2, 3}},
        {"CMY", {1, 2, 3}, {0, 0, INT16_MIN, 0}, {255, 255, 3}},
        {"CMYK", {1, 2, 3}, {0, 0, -5, 0}, {255, 255, 3}},
        {"CMYK", {1, 2, 3}, {0, 0, 0, 101}, {1, 2, 3}},
        {"HLS", {1, 2, 3}, {400, 50, 100, 0}, {1, 2, 3}},
        {"HLS", {1, 2, 3}, {60, 150, 0, 0}, {1, 2, 3}},
        {"YCbCr", {1, 2, 3}, {INT16_MAX, 128, 255, 0}, {1, 2, 3}},
        {"YCbCr", {1, 2, 3}, {0, INT16_MIN, 128, 0}, {1, 2, 3}},
        {"YCbCr", {1, 2, 3}, {0, 128, INT16_MIN, 0}, {1, 2, 3}},
    };
    for (const SetRow& row : rows) {
        cClrModels model = Holding(row.before);
        try {
            Apply(model, row);
            ADD_FAILURE() << row.operation << " did not fail for " << row.inputs[0] << "," << row.inputs[1] << ","
                          << row.inputs[2] << "," << row.inputs[3];
        } catch (const pixlin::RunError& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_STREQ(error.what(), "Overflow");
        }
        EXPECT_EQ(Channels(model), row.after) << row.operation << " " << row.inputs[0] << "," << row.inputs[1] << ","
                                              << row.inputs[2] << "," << row.inputs[3];
    }
}

// Every colour the screen can give: no read fails or leaves its range, and CMY goes back to the same colour.
TEST(ClrModels, EveryColourReadsInRangeAndCmyRoundTrips) {
    cClrModels model;
    cClrModels back;
    int failures = 0;
    for (int value = 0; value < (1 << 24) && failures < 10; ++value) {
        const Rgb colour{value & 255, (value >> 8) & 255, value >> 16};
        model.rgbR(static_cast<uint8_t>(colour.r));
        model.rgbG(static_cast<uint8_t>(colour.g));
        model.rgbB(static_cast<uint8_t>(colour.b));
        const int16_t k = model.cmykK();
        const int16_t c = model.cmykC();
        const int16_t m = model.cmykM();
        const int16_t y = model.cmykY();
        const int16_t h = model.hlsH();
        const int16_t l = model.hlsL();
        const int16_t s = model.hlsS();
        model.ycbcrY();
        model.ycbcrCb();
        model.ycbcrCr();
        const bool inRange = k >= 0 && k <= 100 && c >= 0 && c <= 100 && m >= 0 && m <= 100 && y >= 0 && y <= 100 &&
                             h >= 0 && h <= 360 && l >= 0 && l <= 100 && s >= 0 && s <= 100;
        back.SetCMY(model.cmyC(), model.cmyM(), model.cmyY());
        if (!inRange || !(Channels(back) == colour)) {
            ++failures;
            ADD_FAILURE() << "colour " << colour.r << "," << colour.g << "," << colour.b;
        }
    }
}

}  // namespace
