#include "core/texts/panel_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixlin {
namespace {

using C = Form1Control;

ShownLabels OlderOnly() {
    ShownLabels shown{};
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        shown[i] = !IsOptional(static_cast<C>(i));
    }
    return shown;
}

ShownLabels Every() {
    ShownLabels shown{};
    shown.fill(true);
    return shown;
}

// Each row: one label's text for a colour, a partner and the labels a skin shows.
TEST(PanelTexts, EveryTextASkinShowsForAColourAndItsPartner) {
    constexpr std::int32_t kOrange = 0x0080FF;
    constexpr Rgb kWhite{255, 255, 255};
    const struct {
        TextsKey key;
        ShownLabels shown;
        C label;
        std::string text;
    } rows[] = {
        {{kOrange, kWhite, {}}, Every(), C::lbl_RGB, "255,128,0"},
        {{kOrange, kWhite, {}}, Every(), C::lbl_HEX, "'#FF8000'"},
        {{kOrange, kWhite, {}}, Every(), C::lbl_HLS, "90,50,100"},
        {{kOrange, kWhite, {}}, Every(), C::lbl_CSSHEX, "#FF8000"},
        {{kOrange, kWhite, {}}, Every(), C::lbl_OKLCH, "oklch(73.2% 0.186 53.0)"},
        {{kOrange, kWhite, {}}, Every(), C::lbl_CONTRAST, "2.51:1 fail"},
        {{kOrange, std::nullopt, {}}, Every(), C::lbl_CONTRAST, ""},
        {{kOrange, Rgb{0, 0, 0}, {}}, Every(), C::lbl_CONTRAST, "8.33:1 AAA"},
        // Texts that are no readout's, and newer readouts the skin does not show, are never worked out.
        {{kOrange, kWhite, {}}, Every(), C::lbl_STATE, ""},
        {{kOrange, kWhite, {}}, Every(), C::Label3, ""},
        {{kOrange, kWhite, {}}, OlderOnly(), C::lbl_CSSHEX, ""},
        {{kOrange, kWhite, {}}, OlderOnly(), C::lbl_APCA, ""},
        {{kOrange, kWhite, {}}, OlderOnly(), C::lbl_RGB, "255,128,0"},
        // An unreadable pixel empties every text.
        {{std::nullopt, kWhite, {}}, Every(), C::lbl_RGB, ""},
        {{std::nullopt, kWhite, {}}, Every(), C::lbl_CSSRGB, ""},
        {{std::nullopt, kWhite, {kWhite, Rgb{}}}, Every(), C::lbl_APCA, ""},
    };
    PanelTextCache cache;
    for (const auto& row : rows) {
        const PanelTexts made = MakePanelTexts(row.key, row.shown);
        EXPECT_EQ(made.labels[IndexOf(row.label)], row.text) << row.text;
        // The cache gives what a fresh reckoning gives, whatever came before it.
        EXPECT_EQ(cache.TextsFor(row.key, row.shown), made) << row.text;
    }
    EXPECT_EQ(MakePanelTexts({0x00FFFF, std::nullopt, {}}, OlderOnly()).name, "yellow - Gelb");
}

// A colour outside sRGB: every readout shows the clipped colour, the oklch readout the colour itself, on the panel and
// for the copy key alike.
TEST(PanelTexts, OnlyOklchShowsAColourOutsideSrgbUnclipped) {
    // Display P3's green in linear-light sRGB, by CSS Color 4's matrices: oklch(84.9% 0.369 145.6) worked out
    // independently (Python, the published OKLab matrices); clipped it is lime.
    const TextsKey p3Green{0x00FF00, std::nullopt, {}, std::array{-0.22494017628, 1.04205695471, -0.07863604555}};
    const TextsKey brighterThanWhite{0xFFFFFF, Rgb{0, 0, 0}, {}, std::array{2.0, 2.0, 2.0}};
    const struct {
        TextsKey key;
        C label;
        std::string text;
    } rows[] = {
        {p3Green, C::lbl_OKLCH, "oklch(84.9% 0.369 145.6)"},
        {p3Green, C::lbl_CSSHEX, "#00FF00"},
        {p3Green, C::lbl_HEX, "'#00FF00'"},
        {brighterThanWhite, C::lbl_OKLCH, "oklch(126.0% 0.000 0.0)"},
        {brighterThanWhite, C::lbl_CONTRAST, "21.00:1 AAA"},
        {brighterThanWhite, C::lbl_CSSRGB, "rgb(255, 255, 255)"},
        {{std::nullopt, std::nullopt, {}, std::array{2.0, 2.0, 2.0}}, C::lbl_OKLCH, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(MakePanelTexts(row.key, Every()).labels[IndexOf(row.label)], row.text);
        EXPECT_EQ(ReadoutTextOf(row.label, row.key), row.text);
    }
    EXPECT_EQ(MakePanelTexts(p3Green, Every()).name, "lime - Limone");
    EXPECT_EQ(MakePanelTexts({std::nullopt, std::nullopt, {}}, OlderOnly()).name, "");
}

// APCA tells text from background (the values APCA's authors publish: #888888 on white Lc 63.1, white on #888888
// Lc -68.5), so each row shows which colour each side took: a fixed side its colour, the other the current colour;
// with neither fixed the text is the colour copied last. The contrast names the fixed sides.
TEST(PanelTexts, TheContrastAndApcaMeasureThePairWithItsFixedSides) {
    constexpr std::int32_t kGrey = 0x888888;
    constexpr std::int32_t kWhiteValue = 0xFFFFFF;
    constexpr Rgb kGreyRgb{0x88, 0x88, 0x88};
    constexpr Rgb kWhite{255, 255, 255};
    constexpr Rgb kBlack{0, 0, 0};
    const struct {
        TextsKey key;
        const char* contrast;
        const char* apca;
    } rows[] = {
        {{kWhiteValue, kGreyRgb, {}}, "3.54:1 AA large", "Lc 63.1"},
        {{kGrey, kWhite, {}}, "3.54:1 AA large", "Lc -68.5"},
        {{kGrey, std::nullopt, {}}, "", ""},
        // Fixed, a side beats the colour copied last, and the other side follows the current colour.
        {{kGrey, kBlack, {std::nullopt, kWhite}}, "3.54:1 AA large \xC2\xB7 bg set", "Lc 63.1"},
        {{kGrey, std::nullopt, {std::nullopt, kWhite}}, "3.54:1 AA large \xC2\xB7 bg set", "Lc 63.1"},
        {{kGrey, kBlack, {kWhite, std::nullopt}}, "3.54:1 AA large \xC2\xB7 text set", "Lc -68.5"},
        {{kWhiteValue, kBlack, {kGreyRgb, std::nullopt}}, "3.54:1 AA large \xC2\xB7 text set", "Lc 63.1"},
        // Both fixed, the current colour plays no part.
        {{0x0080FF, std::nullopt, {kWhite, kGreyRgb}}, "3.54:1 AA large \xC2\xB7 both set", "Lc -68.5"},
        {{0x0080FF, kWhite, {kBlack, kWhite}}, "21.00:1 AAA \xC2\xB7 both set", "Lc 106.0"},
    };
    PanelTextCache cache;
    ShownLabels shown = Every();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.contrast);
        const PanelTexts& texts = cache.TextsFor(row.key, shown);
        EXPECT_EQ(texts.labels[IndexOf(C::lbl_CONTRAST)], row.contrast);
        EXPECT_EQ(texts.labels[IndexOf(C::lbl_APCA)], row.apca);
    }
}

}  // namespace
}  // namespace pixlin
