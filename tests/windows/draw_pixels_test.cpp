#include "winsvc/draw_pixels.h"

#include "winsvc/dib_section.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixlin {
namespace {

constexpr uint32_t kBackground = 0x00102030;

// Pixels are 0x00RRGGBB; GetPixel answers 0x00BBGGRR.
COLORREF AsColorRef(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

TEST(DrawPixels, PutsEachPixelAtItsPlaceAndNothingElsewhere) {
    void* bits = nullptr;
    Bitmap target = CreateTopDownBitmap(12, 10, &bits);
    ASSERT_TRUE(target);
    std::fill_n(static_cast<uint32_t*>(bits), 12 * 10, kBackground);
    const MemoryDc dc(nullptr);
    const SelectedObject selected(dc.get(), target.get());

    const PixelRect place{3, 2, 8, 9};
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 5; ++x) {
            pixels.push_back(static_cast<uint32_t>(x * 40 << 16 | y * 30 << 8 | (x + y)));
        }
    }
    ASSERT_TRUE(DrawPixels(dc.get(), place, pixels));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = place.Contains(x, y);
            const uint32_t expected =
                inside ? pixels[static_cast<std::size_t>((y - place.top) * 5 + (x - place.left))] : kBackground;
            EXPECT_EQ(GetPixel(dc.get(), x, y), AsColorRef(expected)) << x << "," << y;
        }
    }

    // Pixels that do not fill the place are refused whole.
    const struct {
        PixelRect place;
        std::size_t count;
    } refused[] = {{{0, 0, 5, 7}, 34}, {{0, 0, 5, 7}, 36}, {{0, 0, 0, 7}, 0}, {{4, 4, 2, 6}, 0}};
    for (const auto& row : refused) {
        const std::vector<uint32_t> wrong(row.count, 0x00FFFFFF);
        EXPECT_FALSE(DrawPixels(dc.get(), row.place, wrong)) << row.count;
        EXPECT_EQ(GetPixel(dc.get(), 0, 0), AsColorRef(kBackground)) << row.count;
    }
}

}  // namespace
}  // namespace pixlin
