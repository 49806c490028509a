// Against published references, not against values this code computed.

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "core/colour/ciede2000.h"
#include "core/colour/colour_names.h"
#include "core/colour/contrast.h"
#include "core/colour/nearest_name.h"
#include "core/colour/oklch.h"

namespace pixlin {
namespace {

// The test pairs of Sharma, Wu and Dalal (2005), "The CIEDE2000 color-difference formula: implementation notes,
// supplementary test data, and mathematical observations", table 1, with their differences to four decimals.
TEST(Ciede2000, SharmaWuDalalTestPairs) {
    const struct {
        Lab first;
        Lab second;
        double difference;
    } rows[] = {
        {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
        {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
        {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
        {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
        {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
        {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
        {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
        {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
        {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
        {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
        {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
        {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
        {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
        {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(Ciede2000(row.first, row.second), row.difference, 0.00005)
            << row.first.l << "," << row.first.a << "," << row.first.b;
        EXPECT_NEAR(Ciede2000(row.second, row.first), row.difference, 0.00005) << "the order must not matter";
    }
}

// CSS Color 4's conversions of the sRGB primaries and greys, at the readout's precisions.
TEST(Oklch, CssColour4Conversions) {
    const struct {
        Rgb colour;
        const char* text;
    } rows[] = {
        {{255, 0, 0}, "oklch(62.8% 0.258 29.2)"},  {{0, 255, 0}, "oklch(86.6% 0.295 142.5)"},
        {{0, 0, 255}, "oklch(45.2% 0.313 264.1)"}, {{255, 255, 255}, "oklch(100.0% 0.000 0.0)"},
        {{0, 0, 0}, "oklch(0.0% 0.000 0.0)"},      {{255, 128, 0}, "oklch(73.2% 0.186 53.0)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OklchText(row.colour), row.text);
    }
}

// WCAG 2's own examples: black on white, a colour on itself, and the greys either side of 4.5:1 on white.
TEST(Contrast, WcagExamples) {
    const Rgb white{255, 255, 255};
    const struct {
        Rgb colour;
        std::optional<Rgb> against;
        const char* text;
    } rows[] = {
        {{0, 0, 0}, white, "21.00:1 AAA"},
        {white, Rgb{0, 0, 0}, "21.00:1 AAA"},
        {{119, 119, 119}, white, "4.47:1 AA large"},
        {{118, 118, 118}, white, "4.54:1 AA"},
        {{255, 128, 0}, Rgb{255, 128, 0}, "1.00:1 fail"},
        {{89, 89, 89}, white, "7.00:1 AAA"},
        {{148, 148, 148}, white, "3.03:1 AA large"},
        {{0, 0, 0}, std::nullopt, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ContrastText(row.colour, row.against), row.text);
    }
}

TEST(NearestName, EveryColourGetsOne) {
    const struct {
        Rgb colour;
        const char* text;
    } rows[] = {
        {{255, 128, 0}, "\xE2\x89\x88 darkorange - dunkles Orange"},
        {{255, 255, 0}, "yellow - Gelb"},
        {{254, 255, 0}, "\xE2\x89\x88 yellow - Gelb"},
        {{1, 0, 0}, "\xE2\x89\x88 black - Schwarz"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NearestNameText(row.colour), row.text);
    }
}

// The search passes over entries by a lower bound; on a grid through the whole cube it finds what trying every entry
// of the table finds, ties to the earlier entry included.
TEST(NearestName, TheBoundedSearchFindsWhatTryingEveryEntryFinds) {
    std::vector<Lab> labs;
    for (const auto& named : kNamedColours) {
        std::uint32_t value = 0;
        std::from_chars(named.code.data() + 2, named.code.data() + 8, value, 16);
        labs.push_back(LabOf({static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                              static_cast<std::uint8_t>(value)}));
    }
    const std::string approximately = "\xE2\x89\x88 ";
    int compared = 0;
    for (int r = 0; r < 256; r += 6) {
        for (int g = 1; g < 256; g += 6) {
            for (int b = 2; b < 256; b += 6) {
                const Rgb colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(b)};
                const std::string text = NearestNameText(colour);
                if (text.rfind(approximately, 0) != 0) {
                    continue;
                }
                const Lab lab = LabOf(colour);
                std::size_t nearest = 0;
                double best = Ciede2000(lab, labs[0]);
                for (std::size_t i = 1; i < labs.size(); ++i) {
                    if (const double distance = Ciede2000(lab, labs[i]); distance < best) {
                        best = distance;
                        nearest = i;
                    }
                }
                ASSERT_EQ(text, approximately + std::string(kNamedColours[nearest].name))
                    << int(colour.r) << "," << int(colour.g) << "," << int(colour.b);
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 70000);
}

}  // namespace
}  // namespace pixlin
