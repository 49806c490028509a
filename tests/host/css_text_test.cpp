#include "core/colour/css_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace pixlin {
namespace {

TEST(CssText, TheFormsStyleSheetsTake) {
    const struct {
        Rgb colour;
        const char* hex;
        const char* rgb;
        const char* hsl;
        const char* hsv;
    } rows[] = {
        {{255, 128, 0}, "#FF8000", "rgb(255, 128, 0)", "hsl(30, 100%, 50%)", "30,100,100"},
        {{0, 0, 0}, "#000000", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "0,0,0"},
        {{255, 255, 255}, "#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "0,0,100"},
        {{119, 119, 119}, "#777777", "rgb(119, 119, 119)", "hsl(0, 0%, 47%)", "0,0,47"},
        {{0, 0, 255}, "#0000FF", "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "240,100,100"},
        // 359.5 degrees rounds up to 360, which is 0.
        {{255, 0, 1}, "#FF0001", "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "0,100,100"},
        {{10, 171, 205}, "#0AABCD", "rgb(10, 171, 205)", "hsl(190, 91%, 42%)", "190,95,80"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CssHexText(row.colour), row.hex);
        EXPECT_EQ(CssRgbText(row.colour), row.rgb);
        EXPECT_EQ(CssHslText(row.colour), row.hsl);
        EXPECT_EQ(HsvText(row.colour), row.hsv);
    }
}

// An exact reference, built another way: the hue from the six orderings of the channels, and each fraction rounded
// by comparing twice its remainder with the denominator.
struct Fraction {
    std::int64_t numerator;
    std::int64_t denominator;
};

std::int32_t Nearest(Fraction f) {
    const std::int64_t whole = f.numerator / f.denominator;
    const std::int64_t rest = f.numerator - whole * f.denominator;
    return static_cast<std::int32_t>(2 * rest >= f.denominator ? whole + 1 : whole);
}

std::int32_t ReferenceHue(std::int64_t r, std::int64_t g, std::int64_t b) {
    Fraction degrees{0, 1};
    if (r >= g && g >= b && r > b) {
        degrees = {60 * (g - b), r - b};
    } else if (g > r && r >= b) {
        degrees = {60 * (2 * (g - b) - (r - b)), g - b};
    } else if (g >= b && b > r) {
        degrees = {60 * (2 * (g - r) + (b - r)), g - r};
    } else if (b > g && g > r) {
        degrees = {60 * (4 * (b - r) - (g - r)), b - r};
    } else if (b > r && r >= g) {
        degrees = {60 * (4 * (b - g) + (r - g)), b - g};
    } else if (r >= b && b > g) {
        degrees = {60 * (6 * (r - g) - (b - g)), r - g};
    }
    const std::int32_t hue = Nearest(degrees);
    return hue == 360 ? 0 : hue;
}

TEST(CssText, HslAndHsvOfEveryColourMatchTheExactFractions) {
    int wrong = 0;
    for (std::int64_t r = 0; r < 256; ++r) {
        for (std::int64_t g = 0; g < 256; ++g) {
            for (std::int64_t b = 0; b < 256; ++b) {
                const std::int64_t max = std::max({r, g, b});
                const std::int64_t min = std::min({r, g, b});
                const std::int32_t hue = ReferenceHue(r, g, b);
                const std::int64_t spread = 510 - std::abs(2 * (max + min) - 510);
                const HueTriple hsl{hue, max == min ? 0 : Nearest({200 * (max - min), spread}),
                                    Nearest({100 * (max + min), 510})};
                const HueTriple hsv{hue, max == 0 ? 0 : Nearest({100 * (max - min), max}), Nearest({100 * max, 255})};
                const Rgb colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(b)};
                if (CssHsl(colour) != hsl || Hsv(colour) != hsv) {
                    if (++wrong <= 5) {
                        ADD_FAILURE() << "rgb " << r << "," << g << "," << b;
                    }
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace pixlin
