#include "skintool/place_findings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skintool/contrast.h"
#include "skintool/widest_texts.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kDark = 0x202020;
constexpr PixelRect kWindow{0, 0, 300, 240};

// 300 x 240: cut-out above row 10, dark below, with a cut-out hole at 200..209 x 100..109.
SkinPicture Bitmap() {
    SkinPicture picture;
    picture.outcome = PictureOutcome::Decoded;
    picture.width = 300;
    picture.height = 240;
    picture.pixels.assign(300 * 240, kDark);
    for (std::int32_t y = 0; y < 240; ++y) {
        for (std::int32_t x = 0; x < 300; ++x) {
            const bool hole = x >= 200 && x < 210 && y >= 100 && y < 110;
            if (y < 10 || hole) {
                picture.pixels[static_cast<std::size_t>(y * 300 + x)] = kKey;
            }
        }
    }
    return picture;
}

// Places every control inside the dark area, one below the other, then appends the case's own lines.
std::string Layout(std::string_view extra) {
    return std::string(
               "rgb=10,20,100,16,16777215\r\nhex=10,40,100,16,16777215\r\nlong=10,60,100,16,16777215\r\n"
               "hls=10,80,100,16,16777215\r\ncmy=10,100,100,16,16777215\r\ncmyk=10,120,100,16,16777215\r\n"
               "ycbcr=10,140,100,16,16777215\r\npreview=150,20,40,40\r\ntext=10,200,260,16,0\r\n"
               "quit=270,20,16,16\r\n") +
           std::string(extra);
}

struct PlaceCase {
    std::string_view extra;
    std::string kind;
    std::int32_t line;
    std::string text;
};

TEST(PlaceFindings, ControlsOffTheWindowOrOverOneAnother) {
    const SkinPicture picture = Bitmap();
    EXPECT_EQ(PlaceFindings(PlaceControls(Layout(""), kWindow), &picture).size(), 8u) << "one contrast note per text";
    const PlaceCase cases[] = {
        {"rgb=400,20,100,16", "outside-bitmap", 11, "lies outside the 300 x 240 bitmap"},
        {"rgb=250,20,100,16", "outside-bitmap", 11, "reaches beyond"},
        {"rgb=10,5,100,16", "over-cut-out", 11, "500 of the 1600 pixels under the rgb readout"},
        {"quit=195,95,10,10", "over-cut-out", 11, "25 of the 100 pixels under the quit area"},
        {"hex=10,30,100,16", "overlap", 11, "the hex readout and the rgb readout overlap at 10,30 100 x 6"},
        {"rgb=10,20,0,16", "empty-box", 11, "has no area"},
        {"rgb=10,20,100,16,2105376", "low-contrast", 11, "1:1 against the bitmap"},
        {"text=10,200,150,16,16777215", "low-contrast", 11, "against its white background"},
        {"zoom=400,20,50,50,4", "outside-bitmap", 11, "the loupe at 400,20 50 x 50 lies outside"},
        {"zoom=195,95,30,30,2", "over-cut-out", 11, "100 of the 900 pixels under the loupe"},
        {"zoom=50,110,100,60,4", "overlap", 11, "the loupe and the cmy readout overlap at 50,110 60 x 6"},
        {"zoom=250,200,40,3,4", "loupe-too-small", 11, "box 250,200 40 x 3 cannot hold one cell of 4 x 4"},
        {"zoom=296,150,40,40,8", "loupe-too-small", 11, "(only 4 x 40 of it inside the bitmap)"},
        // The second line's factor is skipped: the first line's stays.
        {"zoom=250,200,40,40,4\r\nzoom=250,200,40,3,40", "loupe-too-small", 12, "one cell of 4 x 4"},
        // The widest texts, in the picker's font: lightness 100.0 comes with a hue of three digits only near white.
        {"oklch=10,220,150,16,16777215", "text-cut", 11, "\"oklch(100.0% 0.001 106.4)\" is"},
        {"nearest=10,220,290,16,16777215", "text-cut", 11,
         "\"\u2248 mediumspringgreen - mittleres Fr\u00FChlingsgr\u00FCn\""},
        {"csshsl=10,220,120,16,16777215", "text-cut", 11, "\"hsl(120, 100%, 100%)\""},
        // With both sides of the contrast pair fixed, and the notice of a kept colours file moved aside.
        {"contrast=10,220,90,16,16777215", "text-cut", 11, "AA large \u00B7 both set\""},
        {"state=10,220,140,16,16777215", "text-cut", 11, "\"Kept file not Pixlin's \u00B7 moved aside\""},
        {"apca=10,220,50,16,16777215", "text-cut", 11, "\"Lc -10"},
        // A profile's description as long as calibration tools write them.
        {"profile=10,220,200,16,16777215", "text-cut", 11,
         "\"display values \u00B7 Wide-gamut monitor 2024-05-01 D6500 2.2\""},
        {"cmyk=10,120,70,16,16777215", "text-cut", 11, "\"0,100,100,9"},
        {"text=10,200,248,16,0", "text-cut", 11, "keeps 3 pixels clear of text on each side"},
    };
    for (const PlaceCase& c : cases) {
        const Findings findings = PlaceFindings(PlaceControls(Layout(c.extra), kWindow), &picture);
        const auto found = std::find_if(findings.begin(), findings.end(),
                                        [&c](const Finding& f) { return f.kind == c.kind && f.line == c.line; });
        ASSERT_NE(found, findings.end()) << c.extra;
        EXPECT_EQ(found->severity, Severity::Warning);
        EXPECT_NE(found->message.find(c.text), std::string::npos) << found->message;
    }
}

TEST(PlaceFindings, ABoxAsWideAsTheWidestTextShowsItWholeAndOnePixelLessCutsIt) {
    const std::int32_t margin = EditMargin(LabelFont{ControlFont::ArialRegular9, 96}).value();
    const struct {
        std::string_view key;
        Form1Control control;
        std::int32_t margins;
    } rows[] = {
        {"oklch", Form1Control::lbl_OKLCH, 0},     {"nearest", Form1Control::lbl_NEAREST, 0},
        {"long", Form1Control::lbl_LONG, 0},       {"apca", Form1Control::lbl_APCA, 0},
        {"text", Form1Control::Text1, 2 * margin},
    };
    for (const auto& row : rows) {
        const std::optional<MeasuredText> widest = WidestText(row.control);
        ASSERT_TRUE(widest) << FontProblem();
        const std::int32_t needed = widest->width + row.margins;
        for (const std::int32_t width : {needed, needed - 1}) {
            const std::string line = std::string(row.key) + "=10,220," + std::to_string(width) + ",16,0";
            const Findings findings = PlaceFindings(PlaceControls(Layout(line), kWindow), nullptr);
            const auto cut =
                std::find_if(findings.begin(), findings.end(), [](const Finding& f) { return f.kind == "text-cut"; });
            ASSERT_EQ(cut != findings.end(), width < needed) << line;
            if (width < needed) {
                EXPECT_NE(cut->message.find(" is " + std::to_string(widest->width) + " pixels wide"), std::string::npos)
                    << cut->message;
                EXPECT_EQ(cut->fix, "make the box at least " + std::to_string(needed) + " pixels wide on line 11");
            }
        }
    }
}

TEST(PlaceFindings, TheLoupeShowsWholeCellsOfTheFactorInUse) {
    const SkinPicture picture = Bitmap();
    struct LoupeCase {
        std::string_view extra;
        std::string kind;
        std::string text;
    };
    const LoupeCase cases[] = {
        {"zoom=200,150,45,31,4", "loupe", "11 x 7 screen pixels, each as 4 x 4 pixels, at 200,151 44 x 28"},
        {"zoom=200,150,45,31", "loupe", "5 x 3 screen pixels, each as 8 x 8 pixels"},
        {"zoom=200,150,45,31", "loupe-factor", "no zoom line gives the loupe's factor: 8 is used"},
        {"zoom=200,150,45,31,0", "loupe", "each as 8 x 8 pixels"},
    };
    for (const LoupeCase& c : cases) {
        const Findings findings = PlaceFindings(PlaceControls(Layout(c.extra), kWindow), &picture);
        const auto found =
            std::find_if(findings.begin(), findings.end(), [&c](const Finding& f) { return f.kind == c.kind; });
        ASSERT_NE(found, findings.end()) << c.extra;
        EXPECT_EQ(found->line, 11);
        EXPECT_NE(found->message.find(c.text), std::string::npos) << found->message;
    }
    const Findings without = PlaceFindings(PlaceControls(Layout(""), kWindow), &picture);
    EXPECT_TRUE(std::none_of(without.begin(), without.end(), [](const Finding& f) {
        return f.kind.starts_with("loupe") || f.message.find("loupe") != std::string::npos;
    }));
}

TEST(PlaceFindings, ControlsTheLayoutLeavesOutKeepTheirBuiltInPlace) {
    const SkinPicture picture = Bitmap();
    // Without a text line the name box stays at its built-in 108,336, below the bitmap.
    const Findings findings = PlaceFindings(PlaceControls("rgb=10,20,100,16,16777215", kWindow), &picture);
    const auto found = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.kind == "outside-bitmap" && f.message.find("text name box at 108,336") != std::string::npos;
    });
    ASSERT_NE(found, findings.end());
    EXPECT_EQ(found->line, 0);
    EXPECT_NE(found->fix.find("\"text=left,top,width,height...\""), std::string::npos) << found->fix;
}

TEST(PlaceFindings, WithoutABitmapOnlyOverlapsCount) {
    const Findings findings = PlaceFindings(PlaceControls(Layout("rgb=10,40,100,16")), nullptr);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, "overlap");
}

TEST(Contrast, Wcag2Ratios) {
    struct ContrastCase {
        std::uint32_t a;
        std::uint32_t b;
        double ratio;
    };
    const ContrastCase cases[] = {
        {0x000000, 0xFFFFFF, 21.0}, {0xFFFFFF, 0xFFFFFF, 1.0},  {0x777777, 0xFFFFFF, 4.48},
        {0xFF0000, 0xFFFFFF, 4.0},  {0x0000FF, 0x000000, 2.44}, {0x767676, 0xFFFFFF, 4.54},
    };
    const auto luminance = [](std::uint32_t rgb) {
        return RelativeLuminance(Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                                     static_cast<std::uint8_t>(rgb)});
    };
    for (const ContrastCase& c : cases) {
        EXPECT_NEAR(ContrastRatio(luminance(c.a), luminance(c.b)), c.ratio, 0.01) << std::hex << c.a << " " << c.b;
        EXPECT_DOUBLE_EQ(ContrastRatio(luminance(c.a), luminance(c.b)), ContrastRatio(luminance(c.b), luminance(c.a)));
    }
}

}  // namespace
}  // namespace pixlin::skintool
