#include "skintool/preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/texts/paste_texts.h"
#include "skintool/check.h"
#include "skintool/label_text.h"
#include "skintool/widest_texts.h"

namespace pixlin::skintool {
namespace {

bool IsChecker(std::uint32_t rgb) {
    return rgb == kCheckerLight || rgb == kCheckerDark;
}

TEST(Preview, TheDefaultSkinsCutOutIsTheCheckerboardExactly) {
    const SkinCheck check = CheckSkin(ReadSkinFiles(PIXLIN_SKIN_DIR));
    const SkinPicture& picture = check.picture;
    ASSERT_EQ(picture.outcome, PictureOutcome::Decoded);
    const std::uint32_t key = picture.At(0, 0);
    const Image skin = DrawSkin(picture, 1.0);
    ASSERT_EQ(skin.width, picture.width);
    ASSERT_EQ(skin.height, picture.height);
    std::int64_t checker = 0;
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const bool cutOut = picture.At(x, y) == key;
            ASSERT_EQ(IsChecker(skin.At(x, y)), cutOut) << x << "," << y;
            if (!cutOut) {
                ASSERT_EQ(skin.At(x, y), picture.At(x, y)) << x << "," << y;
            }
            checker += cutOut ? 1 : 0;
        }
    }
    EXPECT_GT(checker, 0);

    // The annotations stay on the controls and their names: elsewhere the preview is the skin itself.
    const Image preview = DrawPreview(picture, check.layout, 1.0);
    constexpr std::int32_t kNameHeight = 9;
    constexpr std::int32_t kNameWidth = 6 * 20;
    std::int64_t annotated = 0;
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const bool nearControl =
                std::any_of(check.layout.controls.begin(), check.layout.controls.end(), [x, y](const PlacedControl& c) {
                    return x >= c.box.left && x < std::max(c.box.right, c.box.left + kNameWidth) &&
                           y >= c.box.top - kNameHeight && y < c.box.bottom;
                });
            if (!nearControl) {
                ASSERT_EQ(preview.At(x, y), skin.At(x, y)) << x << "," << y;
            }
            annotated += preview.At(x, y) != skin.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(annotated, 0);
}

TEST(Preview, TheLoupesBoxIsOutlinedAndNamed) {
    // Wide enough for the loupe to lie clear of the other controls' built-in places.
    SkinPicture picture;
    picture.outcome = PictureOutcome::Decoded;
    picture.width = 500;
    picture.height = 500;
    picture.pixels.assign(500 * 500, 0x203040);
    const WindowLayout layout = PlaceControls("zoom=400,400,50,40,4");
    ASSERT_EQ(layout.controls.front().role, ControlRole::Loupe);
    const Image without = DrawPreview(picture, PlaceControls(""), 2.0);
    const Image preview = DrawPreview(picture, layout, 2.0);
    const auto changed = [&](std::int32_t x, std::int32_t y) { return preview.At(x, y) != without.At(x, y); };
    for (std::int32_t x = 800; x < 900; ++x) {
        EXPECT_TRUE(changed(x, 800) && changed(x, 879)) << x;
    }
    for (std::int32_t y = 800; y < 880; ++y) {
        EXPECT_TRUE(changed(800, y) && changed(899, y)) << y;
        EXPECT_TRUE(y == 800 || y == 879 || !changed(850, y)) << "the inside shows the skin, " << y;
    }
    std::int64_t name = 0;
    for (std::int32_t y = 788; y < 800; ++y) {
        for (std::int32_t x = 800; x < 840; ++x) {
            name += changed(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(name, 20) << "the name above the box";
}

TEST(Preview, TheTextsAreThePickersForTheSampleColourInItsFontsCutAtTheBoxes) {
    SkinPicture picture;
    picture.outcome = PictureOutcome::Decoded;
    picture.width = 640;
    picture.height = 200;
    picture.pixels.assign(640 * 200, 0x203040);
    picture.pixels[0] = 0xFF00FF;
    // Boxes mostly narrower than their texts, right of the built-in places and far enough apart that no control's name
    // lies over another's box.
    const WindowLayout layout = PlaceControls(
        "oklch=400,20,100,16,16117996\r\nstate=400,60,100,16,12627104\r\nhex=400,100,60,16,255\r\n"
        "text=400,140,80,16,3155488\r\ncontrast=520,20,100,16,16117996\r\nprofile=520,60,100,16,12627104\r\n"
        "apca=520,100,100,16,16117996\r\n");
    constexpr double kScale = 2.0;
    const Image preview = DrawPreview(picture, layout, kScale);
    cClrModels model;
    const struct {
        Form1Control control;
        std::int32_t foreColor;
        TextLayout textLayout;
    } rows[] = {
        {Form1Control::lbl_OKLCH, 16117996, TextLayout::OneLine},
        {Form1Control::lbl_STATE, 12627104, TextLayout::OneLine},
        {Form1Control::lbl_HEX, 255, TextLayout::WordBreak},
        {Form1Control::Text1, 3155488, TextLayout::OneLine},
        {Form1Control::lbl_CONTRAST, 16117996, TextLayout::OneLine},
        {Form1Control::lbl_PROFILE, 12627104, TextLayout::OneLine},
        {Form1Control::lbl_APCA, 16117996, TextLayout::OneLine},
    };
    for (const auto& row : rows) {
        const auto placed = std::find_if(layout.controls.begin(), layout.controls.end(),
                                         [&row](const PlacedControl& c) { return c.control == row.control; });
        ASSERT_NE(placed, layout.controls.end());
        const PixelRect box{placed->box.left * 2, placed->box.top * 2, placed->box.right * 2, placed->box.bottom * 2};
        const LabelFont font{FontOf(row.control), 192};
        std::string text = row.control == Form1Control::Text1       ? "coral - Koralle"
                           : row.control == Form1Control::lbl_STATE ? StateText(false)
                           : row.control == Form1Control::lbl_PROFILE
                               ? "sRGB display"
                               : ReadoutText(row.control, kSampleColour, model, Rgb{255, 255, 255});
        Image expected = DrawSkin(picture, kScale);
        std::int32_t margin = 0;
        if (row.control == Form1Control::Text1) {
            margin = EditMargin(font).value();
            expected = FilledImage(expected.width, expected.height, 0xFFFFFF);
        }
        const std::uint32_t ink = static_cast<std::uint32_t>((row.foreColor & 0xFF) << 16 | (row.foreColor & 0xFF00) |
                                                             (row.foreColor >> 16 & 0xFF));
        ASSERT_TRUE(DrawLabelText(expected, PixelRect{box.left + margin, box.top, box.right - margin, box.bottom}, text,
                                  font, ink, row.textLayout));
        // Inside the box's outline, below the descenders of its name above it (the "p" of apca reaches two rows in).
        constexpr std::int32_t kNameDescent = 3;
        std::int64_t inked = 0;
        for (std::int32_t y = box.top + kNameDescent; y < box.bottom - 1; ++y) {
            for (std::int32_t x = box.left + 1; x < box.right - 1; ++x) {
                ASSERT_EQ(preview.At(x, y), expected.At(x, y)) << text << " at " << x << "," << y;
                inked += expected.At(x, y) == ink ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 50) << text;
    }
}

TEST(Preview, ScalingRepeatsEachPixel) {
    SkinPicture picture;
    picture.outcome = PictureOutcome::Decoded;
    picture.width = 2;
    picture.height = 1;
    picture.pixels = {0xFF00FF, 0x123456};
    const Image image = DrawSkin(picture, 3.0);
    ASSERT_EQ(image.width, 6);
    ASSERT_EQ(image.height, 3);
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 6; ++x) {
            EXPECT_EQ(x < 3 ? IsChecker(image.At(x, y)) : image.At(x, y) == 0x123456, true) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace pixlin::skintool
