#include "core/colour/apca.h"
#include "core/colour/contrast_pair.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace pixlin {
namespace {

constexpr Rgb Hex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

// The values APCA's authors publish for their reference code, 0.0.98G-4g.
TEST(Apca, PublishedPairs) {
    struct Row {
        std::uint32_t text;
        std::uint32_t background;
        double lc;
        const char* shown;
    };
    for (const Row& row : {
             Row{0x888888, 0xFFFFFF, 63.056469930209424, "Lc 63.1"},
             Row{0xFFFFFF, 0x888888, -68.54146436644962, "Lc -68.5"},
             Row{0x000000, 0xAAAAAA, 58.146262578561334, "Lc 58.1"},
             Row{0xAAAAAA, 0x000000, -56.24113336839742, "Lc -56.2"},
             Row{0x112233, 0xDDEEFF, 91.66830811481631, "Lc 91.7"},
             Row{0xDDEEFF, 0x112233, -93.06770049484275, "Lc -93.1"},
             Row{0x000000, 0xFFFFFF, 106.04067321268862, "Lc 106.0"},
             Row{0xFFFFFF, 0x000000, -107.88473318309848, "Lc -107.9"},
             // Too close to tell: below the low clip, in both polarities.
             Row{0x112233, 0x223344, 0.0, "Lc 0.0"},
             Row{0x223344, 0x112233, 0.0, "Lc 0.0"},
             Row{0x777777, 0x777777, 0.0, "Lc 0.0"},
         }) {
        EXPECT_NEAR(ApcaLc(Hex(row.text), Hex(row.background)), row.lc, 1e-9) << std::hex << row.text;
        EXPECT_EQ(ApcaText(Hex(row.text), Hex(row.background)), row.shown) << std::hex << row.text;
    }
}

// Each channel has its own table: a lighter channel, whichever, never gives more contrast against white.
TEST(Apca, LighterTextNeverGainsContrastOnWhite) {
    const Rgb white{255, 255, 255};
    for (int channel = 0; channel < 3; ++channel) {
        double previous = ApcaLc(Rgb{}, white);
        for (int level = 1; level < 256; ++level) {
            Rgb text{};
            (channel == 0 ? text.r : channel == 1 ? text.g : text.b) = static_cast<std::uint8_t>(level);
            const double lc = ApcaLc(text, white);
            EXPECT_LE(lc, previous) << channel << " " << level;
            previous = lc;
        }
    }
}

TEST(ContrastPair, TheFreeSideFollowsTheCurrentColour) {
    constexpr Rgb kCurrent{1, 2, 3};
    constexpr Rgb kCopied{4, 5, 6};
    constexpr Rgb kText{7, 8, 9};
    constexpr Rgb kBackground{10, 11, 12};
    struct Row {
        ContrastPair pair;
        std::optional<Rgb> copiedLast;
        std::optional<ResolvedPair> shown;
    };
    for (const Row& row : {
             Row{{}, kCopied, ResolvedPair{kCopied, kCurrent}},
             Row{{}, std::nullopt, std::nullopt},
             Row{{kText, std::nullopt}, kCopied, ResolvedPair{kText, kCurrent}},
             Row{{kText, std::nullopt}, std::nullopt, ResolvedPair{kText, kCurrent}},
             Row{{std::nullopt, kBackground}, kCopied, ResolvedPair{kCurrent, kBackground}},
             Row{{std::nullopt, kBackground}, std::nullopt, ResolvedPair{kCurrent, kBackground}},
             Row{{kText, kBackground}, kCopied, ResolvedPair{kText, kBackground}},
         }) {
        EXPECT_EQ(ResolvePair(row.pair, kCurrent, row.copiedLast), row.shown)
            << row.pair.fixedText.has_value() << row.pair.fixedBackground.has_value() << row.copiedLast.has_value();
    }
}

}  // namespace
}  // namespace pixlin
