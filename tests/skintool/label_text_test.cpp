#include "skintool/label_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/colour/colour_names.h"
#include "core/colour/oklch.h"
#include "core/texts/paste_texts.h"
#include "skintool/preview.h"
#include "skintool/widest_texts.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint32_t kBackground = 0x203040;
constexpr std::uint32_t kInk = 0xF0E0D0;
constexpr LabelFont kBold{ControlFont::ArialBold975, 96};
constexpr LabelFont kRegular{ControlFont::ArialRegular9, 96};

// The text drawn from 4,3 in a box `width` pixels wide on a canvas wider than any of the texts.
Image Drawn(std::string_view text, LabelFont font, std::int32_t width) {
    Image image = FilledImage(800, 60, kBackground);
    EXPECT_TRUE(DrawLabelText(image, PixelRect{4, 3, 4 + width, 53}, text, font, kInk)) << FontProblem();
    return image;
}

TEST(LabelText, ABoxOfTheInkWidthShowsTheTextWholeAndOnePixelLessCutsIt) {
    ASSERT_EQ(FontProblem(), "");
    const struct {
        std::string text;
        LabelFont font;
    } rows[] = {
        {OklchText(RgbOf(kSampleColour)), kBold},
        {OklchText(Rgb{255, 255, 254}), kBold},
        {WidestText(Form1Control::lbl_NEAREST).value().text, kBold},
        {StateText(true), kRegular},
        {std::string(kNamedColours[1].name), kRegular},
        {OklchText(RgbOf(kSampleColour)), LabelFont{ControlFont::ArialBold975, 192}},
    };
    for (const auto& row : rows) {
        const std::int32_t width = InkWidth(row.text, row.font).value();
        const Image whole = Drawn(row.text, row.font, 700);
        ASSERT_GT(width, 0) << row.text;
        EXPECT_EQ(Drawn(row.text, row.font, width).rgb, whole.rgb) << row.text << " in " << width << " pixels";
        const Image cut = Drawn(row.text, row.font, width - 1);
        EXPECT_NE(cut.rgb, whole.rgb) << row.text << " in " << width - 1 << " pixels";
        // Nothing right of the box.
        for (std::int32_t y = 0; y < cut.height; ++y) {
            ASSERT_EQ(cut.At(4 + width - 1, y), kBackground) << row.text << " row " << y;
        }
    }
    EXPECT_GT(InkWidth(OklchText(RgbOf(kSampleColour)), LabelFont{ControlFont::ArialBold975, 192}).value(),
              InkWidth(OklchText(RgbOf(kSampleColour)), kBold).value() * 19 / 10)
        << "twice the dpi, about twice the width";
}

// Every character outside ASCII that the picker shows: the nearest name's sign, the state's dot and the letters of
// the German names.
std::set<std::string> PickersOwnCharacters() {
    std::set<std::string> characters{"\xE2\x89\x88", "\xC2\xB7"};
    for (const NamedColour& named : kNamedColours) {
        for (std::size_t i = 0; i < named.name.size(); ++i) {
            const auto lead = static_cast<unsigned char>(named.name[i]);
            if (lead >= 0xC0) {
                const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
                characters.insert(std::string(named.name.substr(i, length)));
            }
        }
    }
    return characters;
}

TEST(LabelText, EveryCharacterThePickerShowsHasAGlyphOfItsOwn) {
    const std::set<std::string> characters = PickersOwnCharacters();
    EXPECT_GE(characters.size(), 5u);
    // A question mark is what the old preview drew; U+E000, which the font lacks, draws its missing-glyph box.
    for (const LabelFont font : {kBold, kRegular}) {
        const Image question = Drawn("x?x", font, 700);
        const Image missing = Drawn("x\xEE\x80\x80x", font, 700);
        const Image blank = Drawn("x x", font, 700);
        for (const std::string& character : characters) {
            const Image drawn = Drawn("x" + character + "x", font, 700);
            EXPECT_NE(drawn.rgb, question.rgb) << character;
            EXPECT_NE(drawn.rgb, missing.rgb) << character;
            EXPECT_NE(drawn.rgb, blank.rgb) << character;
        }
    }
}

}  // namespace
}  // namespace pixlin::skintool
