#include "core/design/display_scale.h"

#include "picker/form1.h"
#include "picker/picture_box.h"
#include "picker/resource.h"
#include "picker/skin_surface.h"
#include "support/bmp_file.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/dib_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::BmpFromRows;
using testing::Coverage;
using testing::DrainMessages;
using testing::RegionCoverage;
using testing::ScratchDir;
using testing::StartPicker;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kPanel = RGB(40, 44, 52);
const testing::Palette kPalette{{'.', kKey}, {'#', kPanel}};

// Holes, a key-coloured edge on every side and single pixels: what a smoothed surface would fringe.
const std::vector<std::string_view> kArt{
    "..########..", ".##########.", "##..####..##", "##..#.#...##", ".##########.", "..###..###..",
};

// The physical pixel whose 100 % source a pixel is: the edges of source pixel x are P(x) and P(x + 1).
Coverage Enlarged(const std::vector<std::string_view>& art, const DisplayScale& scale) {
    const int32_t width = static_cast<int32_t>(art.front().size());
    const int32_t height = static_cast<int32_t>(art.size());
    Coverage rows(static_cast<size_t>(scale.Pixels(height)),
                  std::string(static_cast<size_t>(scale.Pixels(width)), '.'));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            for (int32_t py = scale.Pixels(y); py < scale.Pixels(y + 1); ++py) {
                for (int32_t px = scale.Pixels(x); px < scale.Pixels(x + 1); ++px) {
                    rows[static_cast<size_t>(py)][static_cast<size_t>(px)] = art[y][x] == '.' ? '.' : '#';
                }
            }
        }
    }
    return rows;
}

PixelRect Scaled(int32_t left, int32_t top, int32_t width, int32_t height, const DisplayScale& scale) {
    return {scale.Pixels(left), scale.Pixels(top), scale.Pixels(left) + scale.Pixels(width),
            scale.Pixels(top) + scale.Pixels(height)};
}

RECT WindowPlace(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

PixelRect ChildPlace(HWND parent, HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

LONG FontHeight(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return description.lfHeight;
}

LONG Text1FontHeight(HWND text1) {
    return FontHeight(reinterpret_cast<HFONT>(SendMessageW(text1, WM_GETFONT, 0, 0)));
}

class DisplayScaleTest : public ::testing::Test {
protected:
    ~DisplayScaleTest() override { DrainMessages(); }

    std::unique_ptr<Form1> Start(std::optional<int32_t> dpi) {
        scratch_.Write(
            L"pixlin.dat0",
            "rgb=2,1,7,3,255\r\ntext=1,4,9,2,0\r\npreview=9,0,3,2\r\nstate=3,2,5,1,0\r\nhistory=1,5,9,1,3\r\n");
        scratch_.Write(L"pixlin.dat1", BmpFromRows(kArt, kPalette));
        Form1Args args;
        args.programDirectory = scratch_.Root();
        args.dpi = dpi;
        return StartPicker(std::move(args));
    }

    // Everything that follows the scale, checked against lengths at 100 %.
    static void ExpectScaledTo(const Form1& form, int32_t dpi) {
        const DisplayScale scale(dpi);
        const RECT place = WindowPlace(form.hwnd());
        EXPECT_EQ(place.right - place.left, scale.Pixels(12)) << dpi;
        EXPECT_EQ(place.bottom - place.top, scale.Pixels(6)) << dpi;
        EXPECT_EQ(RegionCoverage(form.hwnd()), Enlarged(kArt, scale)) << dpi;
        EXPECT_EQ(form.Label(Form1Control::lbl_RGB).pixels, Scaled(2, 1, 7, 3, scale)) << dpi;
        EXPECT_EQ(form.Shape1().pixels, Scaled(9, 0, 3, 2, scale)) << dpi;
        EXPECT_EQ(form.Label(Form1Control::lbl_STATE).pixels, Scaled(3, 2, 5, 1, scale)) << dpi;
        EXPECT_EQ(form.History().Box(), Scaled(1, 5, 9, 1, scale)) << dpi;
        EXPECT_EQ(ChildPlace(form.hwnd(), form.Text1()), Scaled(1, 4, 9, 2, scale)) << dpi;
        // A control the layout does not place keeps its design place, scaled alike: 1935, 4095 twips at 100 %.
        const PixelRect hls = form.Label(Form1Control::lbl_HLS).pixels;
        EXPECT_EQ(hls.left, scale.Pixels(1935.0f)) << dpi;
        EXPECT_EQ(hls.top, scale.Pixels(4095.0f)) << dpi;
        // Point sizes stay: 9.75 pt bold and 9 pt at the monitor's dpi.
        EXPECT_EQ(FontHeight(form.Label(Form1Control::lbl_RGB).font), -std::lround(std::nearbyint(9.75 * dpi / 72)))
            << dpi;
        EXPECT_EQ(Text1FontHeight(form.Text1()), -std::lround(std::nearbyint(9.0 * dpi / 72))) << dpi;
        EXPECT_EQ(FontHeight(form.Label(Form1Control::lbl_STATE).font), Text1FontHeight(form.Text1())) << dpi;
    }

    ScratchDir scratch_;
};

TEST_F(DisplayScaleTest, TheWindowStartsEnlargedToTheMonitorsScale) {
    const struct {
        int32_t dpi;
        LONG width;
        LONG height;
        LONG boldFontHeight;
    } rows[] = {
        {96, 12, 6, -13},  {110, 14, 7, -15},  {120, 15, 8, -16},
        {144, 18, 9, -20}, {192, 24, 12, -26}, {288, 36, 18, -39},
    };
    for (const auto& row : rows) {
        const auto form = Start(row.dpi);
        ASSERT_NE(form->hwnd(), nullptr) << row.dpi;
        EXPECT_EQ(form->Display().Dpi(), row.dpi);
        const RECT place = WindowPlace(form->hwnd());
        EXPECT_EQ(place.right - place.left, row.width) << row.dpi;
        EXPECT_EQ(place.bottom - place.top, row.height) << row.dpi;
        EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN)) << row.dpi;
        EXPECT_EQ(place.top, 0) << row.dpi;
        EXPECT_EQ(FontHeight(form->Label(Form1Control::lbl_HEX).font), row.boldFontHeight) << row.dpi;
        ExpectScaledTo(*form, row.dpi);
    }
}

TEST_F(DisplayScaleTest, AtStandardDpiTheShapeIsTheBitmapsOwn) {
    const auto form = Start(96);
    ASSERT_NE(form->hwnd(), nullptr);
    Coverage own;
    for (const std::string_view row : kArt) {
        std::string line(row);
        for (char& pixel : line) {
            pixel = pixel == '.' ? '.' : '#';
        }
        own.push_back(line);
    }
    EXPECT_EQ(RegionCoverage(form->hwnd()), own);
    EXPECT_EQ(form->Label(Form1Control::lbl_RGB).pixels, (PixelRect{2, 1, 9, 4}));
}

TEST_F(DisplayScaleTest, ADpiChangeRescalesEverythingAndTakesTheSuggestedRectangle) {
    const auto form = Start(96);
    ASSERT_NE(form->hwnd(), nullptr);
    const struct {
        int32_t dpi;
        RECT suggested;
    } rows[] = {
        {192, {100, 50, 124, 62}},
        {144, {30, 40, 48, 49}},
        {110, {0, 0, 14, 7}},
        {96, {200, 10, 212, 16}},
    };
    for (const auto& row : rows) {
        SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                     reinterpret_cast<LPARAM>(&row.suggested));
        const RECT place = WindowPlace(form->hwnd());
        EXPECT_EQ(place.left, row.suggested.left) << row.dpi;
        EXPECT_EQ(place.top, row.suggested.top) << row.dpi;
        EXPECT_EQ(form->Display().Dpi(), row.dpi);
        ExpectScaledTo(*form, row.dpi);
    }
}

// The surface is smoothed, but the key colour never bleeds into it: every pixel inside the shape of a one-colour
// skin shows that colour exactly.
TEST_F(DisplayScaleTest, NoKeyColourFringeInsideTheShape) {
    const auto form = Start(144);
    ASSERT_NE(form->hwnd(), nullptr);
    const RECT place = WindowPlace(form->hwnd());
    const Coverage shape = Enlarged(kArt, DisplayScale(144));
    int wrong = -1;
    testing::UntilShown([&] {
        wrong = 0;
        const WindowDc screen(nullptr);
        for (int y = 0; y < static_cast<int>(shape.size()); ++y) {
            for (int x = 0; x < static_cast<int>(shape[0].size()); ++x) {
                // The swatch and the name box lie over the skin; only the bare surface counts.
                const bool control =
                    form->Shape1().pixels.Contains(x, y) || ChildPlace(form->hwnd(), form->Text1()).Contains(x, y);
                if (shape[y][x] == '#' && !control && GetPixel(screen.get(), place.left + x, place.top + y) != kPanel) {
                    ++wrong;
                }
            }
        }
        return wrong == 0;
    });
    EXPECT_EQ(wrong, 0);
}

// The default skin's pixels, top-down 0x00RRGGBB.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, SIZE size) {
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    BITMAPINFO info = TopDownDibInfo(size.cx, size.cy);
    const WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFFu;
    }
    return pixels;
}

Bitmap BitmapOf(const std::vector<uint32_t>& pixels, SIZE size) {
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(static_cast<UINT>(size.cx), static_cast<UINT>(size.cy), &bits);
    std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    return bitmap;
}

// A place that fits at 100 % can overflow at 200 %: that scale cannot be applied, and the picker goes on as it was
// instead of ending with a run-time error.
TEST_F(DisplayScaleTest, AScaleThatCannotBeAppliedKeepsTheWindowAsItWas) {
    scratch_.Write(L"pixlin.dat0", "rgb=1200000000,1,7,3,255\r\ntext=1,4,9,2,0\r\n");
    scratch_.Write(L"pixlin.dat1", BmpFromRows(kArt, kPalette));
    std::vector<std::string> failures;
    Form1Args args;
    args.programDirectory = scratch_.Root();
    args.dpi = 96;
    args.reportFailure = [&failures](HWND, int, const std::string& description) { failures.push_back(description); };
    const auto form = StartPicker(std::move(args));
    ASSERT_NE(form->hwnd(), nullptr);
    const RECT before = WindowPlace(form->hwnd());
    const PixelRect rgb = form->Label(Form1Control::lbl_RGB).pixels;
    ASSERT_GT(rgb.left, 1000000000) << "the layout's place was not taken at 100 %";

    const RECT suggested{100, 50, 124, 62};
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(form->Display().Dpi(), 96);
    EXPECT_EQ(form->Label(Form1Control::lbl_RGB).pixels, rgb);
    EXPECT_EQ(ChildPlace(form->hwnd(), form->Text1()), Scaled(1, 4, 9, 2, DisplayScale(96)));
    const RECT after = WindowPlace(form->hwnd());
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(RegionCoverage(form->hwnd()), Enlarged(kArt, DisplayScale(96)));

    // A scale it can apply still takes effect afterwards.
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form->Display().Dpi(), 144);
}

// Wherever the smoothing reaches, a scaled surface takes its colours from opaque pixels only: the same skin with
// another key colour gives exactly the same surface inside the shape. Rounded corners touch the key diagonally.
TEST(ScaledSkinSurface, NoKeyColourReachesTheShapeAtAnyScale) {
    const Bitmap skin(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_DEFAULT_SKIN),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(skin);
    const SIZE size = BitmapSize(skin.get());
    const std::vector<uint32_t> magenta = PixelsOf(skin.get(), size);
    std::vector<uint32_t> green = magenta;
    std::replace(green.begin(), green.end(), magenta.front(), 0x0000FF00u);
    const Bitmap greenSkin = BitmapOf(green, size);
    const std::vector<RunRect> runs = ScanRuns(size.cx, size.cy, [&](int32_t x, int32_t y) {
        return static_cast<int32_t>(
            magenta[static_cast<size_t>(y) * static_cast<size_t>(size.cx) + static_cast<size_t>(x)]);
    });
    for (const int32_t dpi : {120, 144, 168, 192}) {
        const DisplayScale scale(dpi);
        const Bitmap first = ScaledSkinSurface(skin.get(), scale);
        const Bitmap second = ScaledSkinSurface(greenSkin.get(), scale);
        ASSERT_TRUE(first && second) << dpi;
        const SIZE scaled = BitmapSize(first.get());
        const std::vector<uint32_t> a = PixelsOf(first.get(), scaled);
        const std::vector<uint32_t> b = PixelsOf(second.get(), scaled);
        int differing = 0;
        for (const RunRect& run : ScaleRuns(runs, scale)) {
            for (int32_t y = run.top; y < run.bottom; ++y) {
                for (int32_t x = run.left; x < run.right; ++x) {
                    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(scaled.cx) + static_cast<size_t>(x);
                    differing += a[at] != b[at] ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(differing, 0) << "pixels tinted by the key colour at " << dpi << " dpi";
    }
}

}  // namespace
}  // namespace pixlin
