#include "win32/screen_capture.h"

#include "core/loupe/loupe_render.h"
#include "support/distinct_pixels.h"
#include "support/test_window.h"
#include "win32/dib_section.h"
#include "win32/draw_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

namespace pixlin {
namespace {

using testing::AsColorRef;
using testing::Distinct;
using testing::DistinctPixels;
using testing::DrainMessages;
using testing::ShowDistinct;

// A memory DC showing the distinct pixels of (0, 0) to the size.
struct DistinctSource {
    Bitmap bitmap;  // outlives the DC it is selected into
    MemoryDc dc{CreateCompatibleDC(nullptr)};
    PixelRect bounds;

    DistinctSource(int32_t width, int32_t height) : bounds{0, 0, width, height} {
        void* bits = nullptr;
        bitmap = CreateTopDownBitmap(static_cast<UINT>(width), static_cast<UINT>(height), &bits);
        const std::vector<uint32_t> pixels = DistinctPixels(bounds);
        std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
        SelectObject(dc.get(), bitmap.get());
    }
};

TEST(ScreenCapture, KeepsItsBitmapWhileTheSizeStaysAndNeverShowsAnEarlierCapture) {
    const DistinctSource source(64, 64);
    ScreenCapture capture;
    ASSERT_TRUE(capture.CaptureFrom(source.dc.get(), source.bounds, {-3, -2, 6, 7}));
    EXPECT_EQ(capture.Pixels().valid, (PixelRect{0, 0, 6, 7}));
    EXPECT_EQ(capture.Pixels().At(5, 6), Distinct(5, 6));
    EXPECT_EQ(capture.Pixels().At(-1, 3), std::nullopt);
    const uint32_t* first = capture.Pixels().pixels.data();
    ASSERT_TRUE(capture.CaptureFrom(source.dc.get(), source.bounds, {30, 40, 39, 49}));
    EXPECT_EQ(capture.Pixels().pixels.data(), first);
    EXPECT_EQ(capture.Pixels().At(35, 45), Distinct(35, 45));

    // Refused areas and failed copies leave a block that holds nothing.
    EXPECT_FALSE(capture.CaptureFrom(source.dc.get(), source.bounds, {5, 5, 5, 9}));
    EXPECT_FALSE(capture.Pixels().At(5, 5));
    EXPECT_FALSE(capture.CaptureFrom(source.dc.get(), source.bounds, {0, 0, 5000, 5000}));
    EXPECT_FALSE(capture.Pixels().At(1, 1));
    EXPECT_FALSE(capture.CaptureFrom(nullptr, source.bounds, {30, 40, 39, 49}));
    EXPECT_FALSE(capture.Pixels().At(35, 45));
}

// Capture from the screen, render and draw: in the screen's top left corner every cell's centre shows its pixel
// exactly, the cells beyond the screen a hatch, and the box's margin stays as it was.
TEST(ScreenCapture, TheLoupeShowsEachCellsScreenPixelAtItsCentre) {
    const Point corner{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
    const PixelRect patch{corner.x, corner.y, corner.x + 120, corner.y + 100};
    const testing::TestWindow window(WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                                     {patch.left, patch.top, patch.right, patch.bottom});
    ASSERT_TRUE(ShowDistinct(window, patch));
    constexpr uint32_t kSkin = 0x00102030;
    void* bits = nullptr;
    const Bitmap surface = CreateTopDownBitmap(140, 120, &bits);
    const MemoryDc target(CreateCompatibleDC(nullptr));
    const SelectedObject selected(target.get(), surface.get());

    for (const int32_t factor : {2, 3, 8, 12}) {
        std::fill_n(static_cast<uint32_t*>(bits), 140 * 120, kSkin);
        LoupeState loupe(*MakeLoupeGeometry({10, 5, 130, 101}, factor, {0, 0, 140, 120}));
        loupe.Follow({corner.x + 2, corner.y + 1});
        ScreenCapture capture;
        ASSERT_TRUE(capture.Capture(loupe.Geometry().ShownArea(loupe.View())));
        std::vector<uint32_t> rendered;
        RenderLoupe(loupe, capture.Pixels(), rendered);
        const LoupeGeometry& geometry = loupe.Geometry();
        EXPECT_FALSE(DrawPixels(target.get(), geometry.grid, std::span(rendered).first(rendered.size() - 1)));
        ASSERT_TRUE(DrawPixels(target.get(), geometry.grid, rendered));

        for (int32_t row = 0; row < geometry.rows; ++row) {
            for (int32_t column = 0; column < geometry.columns; ++column) {
                const Point pixel = geometry.PixelIn({column, row}, loupe.View());
                const COLORREF shown = GetPixel(target.get(), geometry.grid.left + column * factor + factor / 2,
                                                geometry.grid.top + row * factor + factor / 2);
                if (pixel.x < corner.x || pixel.y < corner.y) {
                    EXPECT_TRUE(shown == AsColorRef(kLoupeHatchDark) || shown == AsColorRef(kLoupeHatchLight));
                } else {
                    EXPECT_EQ(shown, AsColorRef(Distinct(pixel.x, pixel.y))) << "x" << factor << " " << column;
                }
            }
        }
        EXPECT_EQ(GetPixel(target.get(), 9, 50), AsColorRef(kSkin));
        EXPECT_EQ(GetPixel(target.get(), geometry.grid.right, geometry.grid.bottom - 1), AsColorRef(kSkin));
    }
}

}  // namespace
}  // namespace pixlin
