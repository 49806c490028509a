#include "skintool/widest_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "core/colour/apca.h"
#include "core/colour/contrast.h"
#include "core/colour/css_text.h"
#include "core/colour/oklch.h"
#include "core/texts/paste_texts.h"
#include "core/texts/readout_texts.h"

namespace pixlin::skintool {
namespace {

// A text's form with its digits left out, and its last character: texts of one form and last character differ in
// width only by their number of digits.
struct Form {
    std::string skeleton;
    char last = 0;

    auto operator<=>(const Form&) const = default;
};

Form FormOf(const std::string& text, int& digits) {
    Form form;
    digits = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else {
            form.skeleton += c;
        }
    }
    form.last = text.empty() ? '\0' : text.back();
    return form;
}

using MostDigits = std::map<Form, int>;

MostDigits MostDigitsOf(const std::vector<std::string>& texts) {
    MostDigits most;
    for (const std::string& text : texts) {
        int digits = 0;
        const Form form = FormOf(text, digits);
        most[form] = std::max(most[form], digits);
    }
    return most;
}

// The most digits of each form a readout's texts took, in the order the forms were first seen: a readout has few.
class FormsSeen {
public:
    void Add(const std::string& text) {
        int digits = 0;
        Form form = FormOf(text, digits);
        if (last_ < seen_.size() && seen_[last_].first == form) {
            seen_[last_].second = std::max(seen_[last_].second, digits);
            return;
        }
        for (last_ = 0; last_ < seen_.size() && !(seen_[last_].first == form); ++last_) {
        }
        if (last_ == seen_.size()) {
            seen_.emplace_back(std::move(form), digits);
        }
        seen_[last_].second = std::max(seen_[last_].second, digits);
    }

    MostDigits Most() const { return MostDigits(seen_.begin(), seen_.end()); }

private:
    std::vector<std::pair<Form, int>> seen_;
    std::size_t last_ = 0;
};

// Over every colour: each text's form and last character is among the candidates', with no more digits than they
// have, and each of theirs occurs.
TEST(WidestTexts, TheCandidatesHaveTheMostDigitsOfEveryFormOverAllColours) {
    constexpr std::array kReadouts{Form1Control::lbl_LONG,   Form1Control::lbl_RGB,    Form1Control::lbl_YCBCR,
                                   Form1Control::lbl_CMYK,   Form1Control::lbl_CMY,    Form1Control::lbl_HLS,
                                   Form1Control::lbl_CSSRGB, Form1Control::lbl_CSSHSL, Form1Control::lbl_HSV,
                                   Form1Control::lbl_OKLCH};
    std::array<FormsSeen, kReadouts.size()> seen;
    cClrModels model;
    for (std::int32_t colour = 0; colour < 1 << 24; ++colour) {
        const Readouts readouts = MakeReadouts(colour, model);
        const Rgb rgb = RgbOf(colour);
        seen[0].Add(readouts.longValue);
        seen[1].Add(readouts.rgb);
        seen[2].Add(readouts.ycbcr);
        seen[3].Add(readouts.cmyk);
        seen[4].Add(readouts.cmy);
        seen[5].Add(readouts.hls);
        seen[6].Add(CssRgbText(rgb));
        seen[7].Add(CssHslText(rgb));
        seen[8].Add(HsvText(rgb));
        seen[9].Add(OklchText(rgb));
    }
    const LabelFont font{ControlFont::ArialBold975, 96};
    for (std::size_t i = 0; i < kReadouts.size(); ++i) {
        EXPECT_EQ(seen[i].Most(), MostDigitsOf(WidestCandidates(kReadouts[i], font)))
            << "readout " << IndexOf(kReadouts[i]);
    }
}

// A contrast is 1.00 to 21.00: every grade with one digit before the point, and AAA with two, each with neither side
// fixed, the text, the background or both. Greys against black and white give them all.
TEST(WidestTexts, TheContrastCandidatesHaveEveryGradeWithTheMostDigits) {
    FormsSeen seen;
    for (int level = 0; level < 256; ++level) {
        const auto value = static_cast<std::uint8_t>(level);
        const Rgb grey{value, value, value};
        for (const Rgb against : {Rgb{}, Rgb{255, 255, 255}}) {
            for (const ContrastPair& fixed : {ContrastPair{}, ContrastPair{against, std::nullopt},
                                              ContrastPair{std::nullopt, against}, ContrastPair{grey, against}}) {
                seen.Add(PasteFormText(Form1Control::lbl_CONTRAST, grey, against, fixed));
            }
        }
    }
    const MostDigits most = seen.Most();
    EXPECT_EQ(most.size(), 16u);
    EXPECT_EQ(most, MostDigitsOf(WidestCandidates(Form1Control::lbl_CONTRAST, LabelFont{})));
}

// APCA's pairs are too many to go over: every grey on every grey, and a million pairs of colours (a fixed seed), give
// no form the candidates lack and no more digits than theirs; "Lc -107.9" (white on black) is the widest.
TEST(WidestTexts, TheApcaCandidatesHaveEveryFormWithTheMostDigits) {
    FormsSeen seen;
    for (int text = 0; text < 256; ++text) {
        for (int background = 0; background < 256; ++background) {
            const auto t = static_cast<std::uint8_t>(text);
            const auto b = static_cast<std::uint8_t>(background);
            seen.Add(ApcaText(Rgb{t, t, t}, Rgb{b, b, b}));
        }
    }
    std::uint32_t state = 20240611;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return RgbOf(static_cast<std::int32_t>(state >> 8));
    };
    for (int pair = 0; pair < 1000000; ++pair) {
        const Rgb text = next();
        seen.Add(ApcaText(text, next()));
    }
    const MostDigits candidates = MostDigitsOf(WidestCandidates(Form1Control::lbl_APCA, LabelFont{}));
    for (const auto& [form, digits] : seen.Most()) {
        const auto found = candidates.find(form);
        ASSERT_NE(found, candidates.end()) << form.skeleton << " ending in " << form.last;
        EXPECT_GE(found->second, digits) << form.skeleton << " ending in " << form.last;
    }
    const std::optional<MeasuredText> widest = WidestText(Form1Control::lbl_APCA);
    ASSERT_TRUE(widest);
    // Of the form of white on black, the last digits' ink deciding.
    EXPECT_EQ(widest->text.substr(0, 6), "Lc -10") << widest->text;
}

TEST(WidestTexts, TheDigitsAreEquallyWideInBothFonts) {
    for (const ControlFont font : {ControlFont::ArialBold975, ControlFont::ArialRegular9}) {
        for (const std::int32_t dpi : {96, 120, 144, 192}) {
            const std::optional<std::int32_t> zero = TextAdvance("0", LabelFont{font, dpi});
            ASSERT_TRUE(zero) << FontProblem();
            for (const char digit : std::string_view("123456789")) {
                EXPECT_EQ(TextAdvance(std::string(1, digit), LabelFont{font, dpi}), zero) << digit << " at " << dpi;
            }
            EXPECT_EQ(TextAdvance("1234567890", LabelFont{font, dpi}), *zero * 10) << "no kerning between digits";
        }
    }
}

}  // namespace
}  // namespace pixlin::skintool
