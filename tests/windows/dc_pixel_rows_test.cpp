#include "win32/dc_pixel_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/picture/region_runs.h"
#include "win32/dib_section.h"

namespace pixlin {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

// A screen-compatible bitmap in a memory device context, as the picture box keeps its persistent image.
struct ScreenImage {
    MemoryDc dc;
    Bitmap bitmap;
    std::optional<SelectedObject> selected;

    ScreenImage(int width, int height) {
        const WindowDc screen(nullptr);
        dc = MemoryDc(CreateCompatibleDC(screen.get()));
        bitmap = Bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        selected.emplace(dc.get(), bitmap.get());
    }
};

// The pixels as top-down 0x00RRGGBB values, drawn into the image in one call.
void Draw(const ScreenImage& image, int width, int height, const std::vector<std::uint32_t>& pixels) {
    const BITMAPINFO info = TopDownDibInfo(width, height);
    ASSERT_EQ(SetDIBitsToDevice(image.dc.get(), 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                                static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS),
              height);
}

std::uint32_t Packed(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

std::vector<RunRect> RunsByGetPixel(HDC dc, int width, int height) {
    return ScanRuns(width, height, [dc](int32_t x, int32_t y) { return static_cast<int32_t>(GetPixel(dc, x, y)); });
}

std::vector<RunRect> RunsByRows(HDC dc, int width, int height) {
    DcPixelRows rows(dc, width);
    return ScanRuns(width, height, [&rows](int32_t x, int32_t y) { return rows.At(x, y); });
}

TEST(DcPixelRows, FindsTheSameRunsAsReadingEachPixelFromTheSystem) {
    // Wide enough that a band holds fewer rows than the picture: the runs cross from one band into the next.
    constexpr int kWideWidth = 3001;
    constexpr int kWideHeight = 200;
    const struct {
        const char* what;
        int width;
        int height;
        bool (*isKey)(int x, int y);
        // Read wider and taller than the image: GetPixel gives CLR_INVALID there.
        int scanExtra;
        bool allKey;
    } rows[] = {
        {"holes, runs at either edge, one step off the key", 7, 5,
         [](int x, int y) { return (x * 3 + y) % 4 == 0 || x == 0; }, 0, false},
        {"all key colour", 6, 4, [](int, int) { return true; }, 0, true},
        {"scattered key pixels over many bands", kWideWidth, kWideHeight,
         [](int x, int y) { return x == 0 || (x * 7 + y * 13) % 19 == 0; }, 0, false},
        {"read beyond the image", 9, 6, [](int x, int y) { return (x + y) % 3 == 0; }, 4, false},
    };
    for (const auto& row : rows) {
        const ScreenImage image(row.width, row.height);
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < row.height; ++y) {
            for (int x = 0; x < row.width; ++x) {
                // One pixel one step off the key colour, which must stay opaque.
                const bool offKey = !row.allKey && x == row.width - 1 && y == 1;
                pixels.push_back(offKey            ? Packed(kKey) - 1
                                 : row.isKey(x, y) ? Packed(kKey)
                                                   : static_cast<std::uint32_t>(x * 31 + y * 7));
            }
        }
        Draw(image, row.width, row.height, pixels);
        const int width = row.width + row.scanExtra;
        const int height = row.height + row.scanExtra;
        const std::vector<RunRect> expected = RunsByGetPixel(image.dc.get(), width, height);
        EXPECT_EQ(expected.empty(), row.allKey) << row.what;
        EXPECT_EQ(RunsByRows(image.dc.get(), width, height), expected) << row.what;
        if (width * height < 1000) {
            DcPixelRows values(image.dc.get(), width);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(values.At(x, y), static_cast<int32_t>(GetPixel(image.dc.get(), x, y)))
                        << row.what << " at " << x << "," << y;
                }
            }
        }
    }
}

// Windows refuses to delete a bitmap that is still selected into a DC (Wine only defers it): the band must leave its
// DC, which outlives it, before it is deleted, and the DC gets its previous bitmap back.
TEST(SelectedBitmap, LeavesTheDcBeforeItIsDeleted) {
    const WindowDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    const HGDIOBJ previous = GetCurrentObject(dc.get(), OBJ_BITMAP);
    HBITMAP handle = nullptr;
    {
        const SelectedBitmap selected(dc.get(), Bitmap(CreateCompatibleBitmap(screen.get(), 8, 8)));
        ASSERT_TRUE(selected);
        handle = selected.get();
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), handle);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), previous);
    EXPECT_EQ(GetObjectType(handle), 0u) << "the bitmap was still selected when it was deleted";
}

}  // namespace
}  // namespace pixlin
