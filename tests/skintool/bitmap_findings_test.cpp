#include "skintool/bitmap_findings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "test_pictures.h"

namespace pixlin::skintool {
namespace {

using test::Encode;
using test::Encoding;
using test::Filled;
using test::Rgba;

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kGrey = 0x404850;

// A window shape: key colour around a grey rectangle.
Rgba Framed(std::int32_t width, std::int32_t height) {
    Rgba picture = Filled(width, height, kKey);
    for (std::int32_t y = 2; y < height - 2; ++y) {
        for (std::int32_t x = 2; x < width - 2; ++x) {
            picture.Set(x, y, kGrey);
        }
    }
    return picture;
}

Rgba Checkerboard(std::int32_t width, std::int32_t height) {
    Rgba picture = Filled(width, height, kKey);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = (y + 1) % 2; x < width; x += 2) {
            picture.Set(x, y, kGrey);
        }
    }
    return picture;
}

Rgba WithTransparentCorner(Rgba picture) {
    for (std::int32_t x = 2; x < 6; ++x) {
        picture.Set(x, 2, 0x000000, 0);
    }
    return picture;
}

// An outline whose key-coloured edge is a shade off, as a lossy save leaves it.
Rgba NearKeyEdge() {
    Rgba picture = Framed(20, 10);
    for (std::int32_t x = 2; x < 18; ++x) {
        picture.Set(x, 2, 0xF005F5);
    }
    return picture;
}

// A PNG header claiming a picture larger than the picker takes.
std::string OversizedPngHeader() {
    return test::WithClaimedSize(Encode(Framed(4, 4), Encoding::Png), 20480, 4);
}

struct PictureCase {
    std::string name;
    std::string file;
    std::string kind;
    Severity severity;
    std::string text;
};

TEST(BitmapFindings, EachTrapOfTheBitmap) {
    const PictureCase cases[] = {
        {"framed BMP", Encode(Framed(40, 20), Encoding::Bmp), "runs", Severity::Info, "16 runs"},
        {"framed PNG", Encode(Framed(40, 20), Encoding::Png), "picture", Severity::Info,
         "PNG, 40 x 20 pixels; key colour #FF00FF"},
        {"heavy checkerboard", Encode(Checkerboard(300, 232), Encoding::Bmp), "too-many-runs", Severity::Warning,
         "34800 runs; above 10000 the picker fills each row's holes"},
        {"at the limit", Encode(Checkerboard(100, 200), Encoding::Png), "runs", Severity::Info, "10000 runs"},
        {"1 x 1", Encode(Filled(1, 1, kGrey), Encoding::Png), "invisible-window", Severity::Error, "1 x 1"},
        {"all key colour", Encode(Filled(30, 30, kKey), Encoding::Bmp), "invisible-window", Severity::Error,
         "every pixel"},
        {"PNG alpha", Encode(WithTransparentCorner(Framed(20, 10)), Encoding::PngWithAlpha), "alpha-ignored",
         Severity::Warning, "4 transparent or translucent pixels"},
        {"JPEG fringe", Encode(NearKeyEdge(), Encoding::Jpeg), "lossy-fringe", Severity::Warning, "along the outline"},
        {"wider than a screen", Encode(Framed(2000, 6), Encoding::Png), "larger-than-screen", Severity::Warning,
         "2000 x 6"},
        {"oversized", OversizedPngHeader(), "picture-too-large", Severity::Error, "built-in skin"},
        {"not a picture", "just some text", "picture-unreadable", Severity::Error, "built-in skin"},
        {"TIFF", std::string("II*\0\x08\0\0\0", 8), "picture-unchecked", Severity::Warning, "TIFF"},
    };
    for (const PictureCase& c : cases) {
        const Findings findings = BitmapFindings(DecodeSkinPicture(c.file, true));
        const auto found =
            std::find_if(findings.begin(), findings.end(), [&c](const Finding& f) { return f.kind == c.kind; });
        ASSERT_NE(found, findings.end()) << c.name;
        EXPECT_EQ(found->severity, c.severity) << c.name;
        EXPECT_NE(found->message.find(c.text), std::string::npos) << c.name << ": " << found->message;
    }
}

TEST(BitmapFindings, LosslessPicturesLeaveNoFringe) {
    for (const Encoding encoding : {Encoding::Png, Encoding::Bmp}) {
        const Findings findings = BitmapFindings(DecodeSkinPicture(Encode(NearKeyEdge(), encoding), true));
        EXPECT_TRUE(std::none_of(findings.begin(), findings.end(),
                                 [](const Finding& f) { return f.severity != Severity::Info; }));
    }
}

TEST(BitmapFindings, NearKeyPixelsAreCountedWhereTheyTouchTheCutOut) {
    const SkinPicture picture = DecodeSkinPicture(Encode(NearKeyEdge(), Encoding::Png), true);
    const NearKeyCount count = CountNearKey(picture);
    EXPECT_EQ(count.total, 16u);
    // The two end pixels of the edge touch the cut-out on their sides as well; all 16 touch it above.
    EXPECT_EQ(count.onOutline, 16u);
}

TEST(DecodeSkinPicture, AFileReadOnlyInPartIsTooLarge) {
    const std::string png = Encode(Framed(40, 20), Encoding::Png);
    const SkinPicture picture = DecodeSkinPicture(std::string_view(png).substr(0, 40), false);
    EXPECT_EQ(picture.outcome, PictureOutcome::TooLarge);
    EXPECT_EQ(picture.width, 40);
    EXPECT_TRUE(picture.pixels.empty());
}

}  // namespace
}  // namespace pixlin::skintool
