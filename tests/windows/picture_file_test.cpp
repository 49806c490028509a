#include "win32/picture_file.h"

#include "support/bmp_file.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::ScratchDir;

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// A 3 x 2 bottom-up 24-bit BMP; rows are padded to four bytes.
std::string ThreeByTwoBmp() {
    return testing::BmpFromRows({"rgb", "1w3"}, {{'r', RGB(255, 0, 0)},
                                                 {'g', RGB(0, 255, 0)},
                                                 {'b', RGB(0, 0, 255)},
                                                 {'1', RGB(1, 2, 3)},
                                                 {'w', RGB(254, 253, 252)},
                                                 {'3', RGB(18, 52, 86)}});
}

// The same six colours as the BMP, as an 8-bit RGB PNG.
const std::string kThreeByTwoPng = Bytes({
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12, 0x16, 0xf1, 0x4d, 0x00,
    0x00, 0x00, 0x18, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xc0, 0x00, 0xc1, 0x8c,
    0x4c, 0xcc, 0xff, 0xfe, 0xfe, 0x11, 0x32, 0x09, 0x03, 0x00, 0x3c, 0xde, 0x06, 0x97, 0x99, 0xb1, 0x9a,
    0xee, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82,
});

// 2 x 1 RGBA: (200, 100, 50) at alpha 128 and (10, 20, 30) at alpha 0.
const std::string kHalfTransparentPng = Bytes({
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xf4, 0x22, 0x7f, 0x8a, 0x00, 0x00, 0x00, 0x11, 0x49,
    0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0x38, 0x91, 0x62, 0xd4, 0xc0, 0x25, 0x22, 0xc7, 0x00, 0x00, 0x0d, 0x51, 0x02,
    0x1b, 0xcf, 0xa8, 0xbc, 0x2b, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82,
});

// One row of RGB(7, 7, 7), 16384 and 16385 pixels wide: the largest side accepted and the first refused.
std::string WidePng(bool tooWide) {
    std::string png = Bytes({
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0xa9,
        0xfd, 0x21, 0x0f, 0x00, 0x00, 0x00, 0x47, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0xed, 0xc1,
        0x21, 0x01, 0x00, 0x00, 0x00, 0x02, 0x20, 0x9b, 0xff, 0x1f, 0x7b, 0xc3, 0x00, 0xa4,
    });
    png.append(47, '\0');
    png += tooWide ? Bytes({0xf0, 0x61, 0xaa, 0xfe, 0x40, 0x61, 0x3e, 0x4d, 0xa5, 0xed})
                   : Bytes({0x70, 0x60, 0xe9, 0xe1, 0x40, 0x4c, 0xc6, 0x99, 0xd7, 0x6e});
    png += Bytes({0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82});
    if (tooWide) {
        png[19] = 0x01;
        png[29] = 0x46;
        png[30] = 0x3f;
        png[31] = 0x4a;
        png[32] = 0x31;
    }
    return png;
}

struct Picture {
    LONG width = 0;
    LONG height = 0;
    bool topDown = false;  // only telling when the first and last rows differ
    WORD bitsPerPixel = 0;
    std::vector<COLORREF> pixels;  // row by row from the top
};

Picture Inspect(const Bitmap& bitmap) {
    Picture picture;
    DIBSECTION section{};
    if (GetObjectW(bitmap.get(), sizeof(section), &section) != sizeof(section)) {
        ADD_FAILURE() << "not a DIB section";
        return picture;
    }
    picture.width = section.dsBm.bmWidth;
    picture.height = section.dsBm.bmHeight;
    // GetObject reports the height as positive either way: a top-down DIB stores the top-left pixel first.
    const auto* first = static_cast<const BYTE*>(section.dsBm.bmBits);
    const COLORREF firstInMemory = RGB(first[2], first[1], first[0]);
    picture.bitsPerPixel = section.dsBm.bmBitsPixel;
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), bitmap.get());
    for (LONG y = 0; y < picture.height && picture.width <= 16; ++y) {
        for (LONG x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(GetPixel(dc.get(), x, y));
        }
    }
    picture.topDown =
        GetPixel(dc.get(), 0, 0) == firstInMemory && GetPixel(dc.get(), 0, picture.height - 1) != firstInMemory;
    return picture;
}

const std::vector<COLORREF> kSixColours = {
    RGB(255, 0, 0), RGB(0, 255, 0),     RGB(0, 0, 255),  // top row
    RGB(1, 2, 3),   RGB(254, 253, 252), RGB(18, 52, 86),
};

TEST(LoadPictureFile, LoadsPixelsExactly) {
    const ScratchDir dir;
    const struct {
        const wchar_t* name;
        std::string bytes;
        LONG width;
        LONG height;
        std::vector<COLORREF> pixels;
    } rows[] = {
        {L"skin.bmp", ThreeByTwoBmp(), 3, 2, kSixColours},
        {L"skin.png", kThreeByTwoPng, 3, 2, kSixColours},
        // A picture format named by its content, not its name, as the skin bitmap is.
        {L"pixlin.dat1", kThreeByTwoPng, 3, 2, kSixColours},
        {L"Sk\u00efn \u753b.bmp", ThreeByTwoBmp(), 3, 2, kSixColours},
        // Straight, not premultiplied: transparency never changes a colour.
        {L"alpha.png", kHalfTransparentPng, 2, 1, {RGB(200, 100, 50), RGB(10, 20, 30)}},
        {L"wide.png", WidePng(false), 16384, 1, {}},
    };
    for (const auto& row : rows) {
        const Bitmap bitmap = LoadPictureFile(dir.Write(row.name, row.bytes));
        ASSERT_TRUE(bitmap) << row.name;
        const Picture picture = Inspect(bitmap);
        EXPECT_EQ(picture.width, row.width) << row.name;
        EXPECT_EQ(picture.height, row.height) << row.name;
        if (row.height > 1) {
            EXPECT_TRUE(picture.topDown) << row.name;
        }
        EXPECT_EQ(picture.bitsPerPixel, 32) << row.name;
        if (!row.pixels.empty()) {
            EXPECT_EQ(picture.pixels, row.pixels) << row.name;
        }
    }
}

TEST(LoadPictureFile, AnythingButAWholePictureGivesNoBitmap) {
    const ScratchDir dir;
    std::string noise;
    for (unsigned value = 12345; noise.size() < 300; value = value * 1103515245u + 12345u) {
        noise += static_cast<char>(value >> 24);
    }
    const std::string bmp = ThreeByTwoBmp();
    const struct {
        const wchar_t* name;
        std::string bytes;
    } rows[] = {
        {L"empty.bmp", ""},
        {L"noise.bmp", noise},
        {L"text.png", "not a picture\r\n"},
        {L"truncated.bmp", bmp.substr(0, 60)},
        {L"header-only.bmp", bmp.substr(0, 54)},
        {L"truncated.png", kThreeByTwoPng.substr(0, 50)},
        {L"too-wide.png", WidePng(true)},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(LoadPictureFile(dir.Write(row.name, row.bytes))) << row.name;
    }
    EXPECT_FALSE(LoadPictureFile(dir.Path(L"missing.bmp")));
    EXPECT_FALSE(LoadPictureFile(L""));
}

}  // namespace
}  // namespace pixlin
