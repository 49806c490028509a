#include "picker/paint_buffer.h"

#include "picker/picture_box.h"
#include "win32/dib_section.h"
#include "win32/draw_pixels.h"
#include "win32/win_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pixlin {
namespace {

constexpr int32_t kWidth = 64;
constexpr int32_t kHeight = 53;
constexpr uint32_t kUntouched = 0x00ABCDEF;

// A picture to draw into, every pixel kUntouched to begin with.
struct Canvas {
    MemoryDc dc{CreateCompatibleDC(nullptr)};
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(kWidth, kHeight, &bits);
    SelectedObject selected{dc.get(), bitmap.get()};

    Canvas() { std::fill_n(Pixels(), kWidth * kHeight, kUntouched); }
    uint32_t* Pixels() const { return static_cast<uint32_t*>(bits); }
    std::vector<uint32_t> Shown() const {
        GdiFlush();
        std::vector<uint32_t> shown(Pixels(), Pixels() + kWidth * kHeight);
        for (uint32_t& pixel : shown) {
            pixel &= 0x00FFFFFF;
        }
        return shown;
    }
};

// What a window draws: a background, a picture of distinct pixels blitted from a DC as the skin is, pixels set from
// memory as the loupe's are, and text as the readouts draw it, all of them across any band's edges.
void DrawScene(HDC dc, HDC picture) {
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    BitBlt(dc, 3, 2, kWidth - 6, kHeight - 4, picture, 0, 0, SRCCOPY);
    std::vector<uint32_t> cells;
    for (int32_t i = 0; i < 20 * 30; ++i) {
        cells.push_back(static_cast<uint32_t>(i * 2654435761u) & 0x00FFFFFF);
    }
    DrawPixels(dc, {40, 12, 60, 42}, cells);
    SetBkMode(dc, TRANSPARENT);
    RECT text{1, 5, kWidth, kHeight};
    DrawTextW(dc, L"Wg 255\nQy 128\nMM 0", -1, &text, DT_LEFT | DT_TOP | DT_NOPREFIX);
}

Region Rects(std::initializer_list<RECT> rects) {
    Region region(CreateRectRgn(0, 0, 0, 0));
    for (const RECT& rect : rects) {
        const Region one(CreateRectRgnIndirect(&rect));
        CombineRgn(region.get(), region.get(), one.get(), RGN_OR);
    }
    return region;
}

// Drawn a band at a time through the buffer, the update region shows exactly what drawing in one piece shows there, and
// nothing beyond it changes; no paint takes more bands than it may, and the buffer holds no more rows than a band.
TEST(PaintBuffer, BandsShowWhatOnePieceShowsAndNothingOutsideTheUpdate) {
    Canvas picture;
    for (int32_t i = 0; i < kWidth * kHeight; ++i) {
        picture.Pixels()[i] = static_cast<uint32_t>(i * 40503u) & 0x00FFFFFF;
    }
    const struct {
        const char* what;
        Region update;
    } rows[] = {
        {"the whole window", Rects({{0, 0, kWidth, kHeight}})},
        {"far apart, as a readout and the loupe", Rects({{5, 1, 30, 8}, {35, 40, 60, kHeight}})},
        {"one row across two bands' edge", Rects({{0, 10, kWidth, 12}})},
        {"a comb of thin rows and columns",
         Rects({{0, 0, 2, kHeight}, {10, 3, 50, 4}, {10, 17, 50, 19}, {2, 33, 63, 34}, {60, 20, 61, 52}})},
        {"the last row", Rects({{7, kHeight - 1, 9, kHeight}})},
    };
    PaintBuffer buffer;
    for (const auto& row : rows) {
        Canvas expected;
        SelectClipRgn(expected.dc.get(), row.update.get());
        DrawScene(expected.dc.get(), picture.dc.get());

        Canvas painted;
        int bands = 0;
        buffer.Paint(painted.dc.get(), row.update.get(), kWidth, kHeight, [&](HDC dc, HRGN part) {
            ++bands;
            EXPECT_LE(BitmapSize(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP))).cy,
                      (kHeight + PaintBuffer::kMostBands - 1) / PaintBuffer::kMostBands)
                << row.what;
            const Region outside(CreateRectRgn(0, 0, 0, 0));
            EXPECT_EQ(CombineRgn(outside.get(), part, row.update.get(), RGN_DIFF), NULLREGION) << row.what;
            DrawScene(dc, picture.dc.get());
        });

        EXPECT_GE(bands, 1) << row.what;
        EXPECT_LE(bands, PaintBuffer::kMostBands) << row.what;
        EXPECT_EQ(painted.Shown(), expected.Shown()) << row.what;
    }
}

}  // namespace
}  // namespace pixlin
