#include "picker/form1.h"

#include "core/texts/readout_texts.h"
#include "support/bmp_file.h"
#include "support/distinct_pixels.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/screen_capture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin {
namespace {

using testing::AsColorRef;
using testing::BmpFromRows;
using testing::Caption;
using testing::Distinct;
using testing::DistinctPixels;
using testing::DrainMessages;
using testing::ScratchDir;
using testing::ShowDistinct;
using testing::ShowPixels;
using testing::StartPicker;

constexpr int kSkinWidth = 200;
constexpr int kSkinHeight = 120;
// A 90-pixel box at factor 6 holds 15 x 15 cells, the middle one (7, 7) at 10 + 7 * 6. The swatch and the quit
// control, whose design places lie over the box, move aside: they would take its clicks.
constexpr char kLoupeLayout[] =
    "rgb=110,10,80,16\r\npreview=150,80,20,20\r\nquit=180,100,10,10\r\nzoom=10,10,90,90,6\r\n";
constexpr int32_t kCellOrigin = 10;
constexpr int32_t kMiddleCell = 7;

// The picker over a patch of distinct pixels in the screen's top-left corner; the picker itself starts in the
// top-right one.
class Form1LoupeTest : public ::testing::Test {
protected:
    Form1LoupeTest()
        : corner_{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)},
          patch_{corner_.x, corner_.y, corner_.x + 160, corner_.y + 140},
          patchWindow_(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, {patch_.left, patch_.top, patch_.right, patch_.bottom}) {}
    ~Form1LoupeTest() override { DrainMessages(); }

    std::unique_ptr<Form1> Start(const std::string& layout, std::optional<int32_t> dpi = std::nullopt) {
        folder_.emplace();
        folder_->Write(L"pixlin.dat0", layout);
        folder_->Write(L"pixlin.dat1", Skin());
        Form1Args args;
        args.programDirectory = folder_->Root();
        args.dpi = dpi;
        return StartPicker(std::move(args));
    }

    // Samples once with the pointer at `pixel`, then stops sampling as the hot key does (the tests' picker starts
    // with its timer off, so the first press starts it).
    void SampleAndHold(Form1& form, Point pixel) {
        ASSERT_TRUE(ShowDistinct(patchWindow_, patch_));
        SetCursorPos(pixel.x, pixel.y);
        form.Timer1_Timer();
        const ATOM hotkey = GlobalFindAtomW(L"MyHotKey");
        SendMessageW(form.hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
        SendMessageW(form.hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
        ASSERT_FALSE(form.Timer1().Enabled());
        ASSERT_TRUE(form.Loupe().Held());
    }

    // The skin's top-left pixel gives its key colour: any other there leaves the rest of the window opaque.
    static std::string Skin() {
        const std::string body(kSkinWidth, '#');
        std::vector<std::string_view> rows(kSkinHeight, body);
        std::string first = body;
        first.front() = '.';
        rows.front() = first;
        return BmpFromRows(rows, {{'.', RGB(255, 0, 255)}, {'#', RGB(40, 44, 52)}});
    }

    Point At(int32_t dx, int32_t dy) const { return {corner_.x + dx, corner_.y + dy}; }

    static void Click(const Form1& form, int32_t column, int32_t row) {
        const int32_t x = kCellOrigin + column * 6 + 3;
        const int32_t y = kCellOrigin + row * 6 + 3;
        SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    // The window moves to a monitor of another resolution, keeping its top-left corner.
    static void ChangeDpi(const Form1& form, int32_t dpi) {
        RECT suggested{};
        GetWindowRect(form.hwnd(), &suggested);
        const DisplayScale scale(dpi);
        suggested.right = suggested.left + scale.Pixels(kSkinWidth);
        suggested.bottom = suggested.top + scale.Pixels(kSkinHeight);
        SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ASSERT_EQ(form.Display().Dpi(), dpi);
    }

    // The picker shows `pixel` as if the pointer had sampled it.
    static void ExpectShows(const Form1& form, Point pixel, const std::string& context) {
        const COLORREF colour = AsColorRef(Distinct(pixel.x, pixel.y));
        cClrModels model;
        const Readouts expected = MakeReadouts(static_cast<int32_t>(colour), model);
        EXPECT_EQ(Caption(form.hwnd()), "X:" + std::to_string(pixel.x) + "   Y:" + std::to_string(pixel.y)) << context;
        EXPECT_EQ(form.Label(Form1Control::lbl_RGB).caption, expected.rgb) << context;
        EXPECT_EQ(form.Label(Form1Control::lbl_HEX).caption, expected.hex) << context;
        EXPECT_EQ(Caption(form.Text1()), expected.name) << context;
        EXPECT_EQ(form.Shape1().fillColor, std::optional<COLORREF>(colour)) << context;
    }

    Point corner_;
    PixelRect patch_;
    testing::TestWindow patchWindow_;
    std::optional<ScratchDir> folder_;
};

// A move over a plain area leaves every cell as it was, and then the loupe is not drawn again; over distinct pixels
// every move changes it.
TEST_F(Form1LoupeTest, RepaintsOnlyWhenACellChanges) {
    const auto form = Start(kLoupeLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    const auto area = static_cast<std::size_t>(patch_.right - patch_.left) * (patch_.bottom - patch_.top);
    const struct {
        std::vector<uint32_t> screen;
        bool repainted;
    } rows[] = {{std::vector<uint32_t>(area, 0x336699), false}, {DistinctPixels(patch_), true}};
    for (const auto& row : rows) {
        ASSERT_TRUE(ShowPixels(patchWindow_, patch_, row.screen));
        for (const Point pixel : {At(60, 50), At(61, 51)}) {
            ValidateRect(form->hwnd(), nullptr);
            SetCursorPos(pixel.x, pixel.y);
            form->Timer1_Timer();
        }
        const PixelRect grid = form->Loupe().Geometry()->grid;
        const RECT cells{grid.left, grid.top, grid.right, grid.bottom};
        const Region update(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetUpdateRgn(form->hwnd(), update.get(), FALSE), ERROR);
        EXPECT_EQ(RectInRegion(update.get(), &cells) != FALSE, row.repainted) << (row.repainted ? "distinct" : "plain");
    }
}

// Live, the loupe's read of the screen also gives the readouts their colour: each shows the pointed pixel, also where
// the loupe's area reaches beyond the screen.
TEST_F(Form1LoupeTest, LiveSamplingShowsThePointedPixel) {
    const auto form = Start(kLoupeLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    ASSERT_TRUE(ShowDistinct(patchWindow_, patch_));
    for (const Point offset : {Point{60, 50}, Point{0, 0}, Point{3, 0}, Point{0, 5}, Point{159, 139}}) {
        const Point pixel = At(offset.x, offset.y);
        SetCursorPos(pixel.x, pixel.y);
        form->Timer1_Timer();
        ExpectShows(*form, pixel, "at " + std::to_string(offset.x) + "," + std::to_string(offset.y));
    }
}

TEST_F(Form1LoupeTest, AClickOnAHeldCellShowsThatPixelEverywhere) {
    const struct {
        int32_t column;
        int32_t row;
        Point offset;  // from the sampled pixel
    } rows[] = {
        {kMiddleCell, kMiddleCell, {0, 0}},
        {0, 0, {-7, -7}},
        {14, 3, {7, -4}},
        {8, 14, {1, 7}},
    };
    for (const auto& row : rows) {
        const auto form = Start(kLoupeLayout);
        ASSERT_NE(form->hwnd(), nullptr);
        const Point sampled = At(60, 50);
        SampleAndHold(*form, sampled);
        Click(*form, row.column, row.row);
        ExpectShows(*form, {sampled.x + row.offset.x, sampled.y + row.offset.y},
                    "cell " + std::to_string(row.column) + "," + std::to_string(row.row));
        EXPECT_TRUE(IsWindow(form->hwnd()));
    }
}

TEST_F(Form1LoupeTest, ArrowsWalkTheHeldPictureByOneOrTenAndStopAtItsEdge) {
    constexpr int16_t kShift = 1;
    const struct {
        std::vector<std::pair<int16_t, int16_t>> keys;
        Point offset;  // from the sampled pixel
    } rows[] = {
        {{{VK_RIGHT, 0}}, {1, 0}},
        {{{VK_DOWN, kShift}, {VK_LEFT, 0}}, {-1, 10}},
        {{{VK_UP, kShift}, {VK_UP, 0}}, {0, -11}},
        // The sampled pixel is 30 from the screen's left edge: that edge stops the walk.
        {{{VK_LEFT, kShift}, {VK_LEFT, kShift}, {VK_LEFT, kShift}, {VK_LEFT, kShift}}, {-30, 0}},
        // The picture reaches 45 pixels (the box's cells at factor 2) beyond the sampled one.
        {{{VK_RIGHT, kShift}, {VK_RIGHT, kShift}, {VK_RIGHT, kShift}, {VK_RIGHT, kShift}, {VK_RIGHT, kShift}}, {45, 0}},
        // Other keys leave the pick alone.
        {{{'A', 0}, {VK_F1, kShift}}, {0, 0}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto form = Start(kLoupeLayout);
        ASSERT_NE(form->hwnd(), nullptr);
        const Point sampled = At(30, 60);
        SampleAndHold(*form, sampled);
        Click(*form, kMiddleCell, kMiddleCell);
        for (const auto& [key, shift] : rows[i].keys) {
            form->Form_KeyDown(key, shift);
        }
        ExpectShows(*form, {sampled.x + rows[i].offset.x, sampled.y + rows[i].offset.y}, "row " + std::to_string(i));
    }
}

// The history's swatches lie on the window itself. Picked while live, the loupe keeps the last picture it had of the
// screen beside the window, not one of the swatch under the pointer.
TEST_F(Form1LoupeTest, ASwatchPickedWhileLiveKeepsTheLastPictureOutsideTheWindow) {
    const auto form = Start(std::string(kLoupeLayout) + "history=110,40,80,20,4\r\n");
    ASSERT_NE(form->hwnd(), nullptr);
    ASSERT_TRUE(ShowDistinct(patchWindow_, patch_));
    const Point outside = At(40, 50);
    SetCursorPos(outside.x, outside.y);
    form->Timer1_Timer();
    testing::Click(form->hwnd(), testing::Centre(form->Label(Form1Control::lbl_RGB).pixels));
    ASSERT_EQ(form->History().Entries().size(), 1u);

    RECT place{};
    GetWindowRect(form->hwnd(), &place);
    const POINT swatch{115, 45};
    const Point onSwatch{place.left + swatch.x, place.top + swatch.y};
    SetCursorPos(onSwatch.x, onSwatch.y);
    form->Timer1().SetEnabled(true);
    form->Timer1_Timer();
    ASSERT_EQ(form->Loupe().View(), onSwatch) << "live, the loupe follows the pointer onto the window";

    testing::Click(form->hwnd(), swatch);
    EXPECT_FALSE(form->Timer1().Enabled());
    EXPECT_TRUE(form->Loupe().Held());
    EXPECT_EQ(form->Loupe().View(), outside);
    ExpectShows(*form, outside, "the swatch's colour");
}

// At any scale the loupe is the 100 % one enlarged: the same cells, each the factor scaled like any length.
TEST_F(Form1LoupeTest, CellsScaleWithTheDisplay) {
    const struct {
        std::optional<int32_t> startDpi;
        std::optional<int32_t> changedDpi;
        int32_t dpi;
    } rows[] = {
        {std::nullopt, std::nullopt, 96},
        {192, std::nullopt, 192},
        {288, std::nullopt, 288},
        {std::nullopt, 144, 144},
        {192, 96, 96},
    };
    for (const auto& row : rows) {
        const auto form = Start(kLoupeLayout, row.startDpi);
        ASSERT_NE(form->hwnd(), nullptr) << row.dpi;
        if (row.changedDpi) {
            ChangeDpi(*form, *row.changedDpi);
        }
        const std::optional<LoupeGeometry> geometry = form->Loupe().Geometry();
        ASSERT_TRUE(geometry) << row.dpi;
        const int32_t cell = DisplayScale(row.dpi).Pixels(6);
        EXPECT_EQ(geometry->columns, 15) << row.dpi;
        EXPECT_EQ(geometry->rows, 15) << row.dpi;
        EXPECT_EQ(geometry->grid.right - geometry->grid.left, 15 * cell) << row.dpi;
        EXPECT_EQ(geometry->grid.bottom - geometry->grid.top, 15 * cell) << row.dpi;
    }
}

// A scale change re-draws a held loupe at the new size: sampling stays stopped, the pick stays, and the arrows
// still walk the held picture.
TEST_F(Form1LoupeTest, AHeldPickSurvivesAScaleChange) {
    const auto form = Start(kLoupeLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    const Point sampled = At(60, 50);
    SampleAndHold(*form, sampled);
    Click(*form, kMiddleCell + 1, kMiddleCell - 1);
    const Point picked{sampled.x + 1, sampled.y - 1};
    ExpectShows(*form, picked, "before");
    for (const int32_t dpi : {144, 96}) {
        ChangeDpi(*form, dpi);
        EXPECT_TRUE(form->Loupe().Held()) << dpi;
        EXPECT_FALSE(form->Timer1().Enabled()) << dpi;
        ASSERT_TRUE(form->Loupe().Geometry()) << dpi;
        const PixelRect grid = form->Loupe().Geometry()->grid;
        EXPECT_EQ(grid.right - grid.left, 15 * DisplayScale(dpi).Pixels(6)) << dpi;
        ExpectShows(*form, picked, "at " + std::to_string(dpi));
    }
    ChangeDpi(*form, 144);
    form->Form_KeyDown(VK_RIGHT, 0);
    form->Form_KeyDown(VK_DOWN, 1);
    ExpectShows(*form, {picked.x + 1, picked.y + 10}, "arrows at 144");
}

TEST_F(Form1LoupeTest, TheWheelOverTheLoupeStepsTheCellSize) {
    const struct {
        std::vector<int16_t> deltas;
        POINT at;  // client point the wheel turns over
        int32_t factor;
    } rows[] = {
        {{120}, {50, 50}, 8},
        {{60, 60}, {50, 50}, 8},
        {{60}, {50, 50}, 6},
        {{-120}, {12, 98}, 4},
        {{360}, {50, 50}, 16},
        {{1200}, {50, 50}, 32},
        {{-1200}, {50, 50}, 2},
        // Beside the loupe the wheel does nothing.
        {{120}, {150, 50}, 6},
    };
    for (const auto& row : rows) {
        const auto form = Start(kLoupeLayout);
        ASSERT_NE(form->hwnd(), nullptr);
        POINT screen = row.at;
        ClientToScreen(form->hwnd(), &screen);
        for (const int16_t delta : row.deltas) {
            SendMessageW(form->hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                         MAKELPARAM(screen.x, screen.y));
        }
        ASSERT_TRUE(form->Loupe().Geometry());
        EXPECT_EQ(form->Loupe().Geometry()->factor, row.factor) << row.deltas.front() << " at " << row.at.x;
    }
}

// What the window shows on the screen, once it has settled: the same twice running.
std::vector<uint32_t> Shown(const Form1& form) {
    RECT place{};
    GetWindowRect(form.hwnd(), &place);
    ScreenCapture capture;
    std::vector<uint32_t> last;
    const bool settled = testing::UntilShown([&] {
        UpdateWindow(form.hwnd());
        if (!capture.Capture({place.left, place.top, place.right, place.bottom})) {
            return false;
        }
        const ScreenPixels pixels = capture.Pixels();
        std::vector<uint32_t> now(pixels.pixels.begin(), pixels.pixels.end());
        const bool same = now == last && (now.back() & 0xFFFFFFu) == 0x282C34u;
        last = std::move(now);
        return same;
    });
    if (settled) {
        return last;
    }
    ADD_FAILURE() << "last corner pixel " << std::hex << (last.empty() ? 0u : last.back()) << std::dec << " "
                  << last.size() << " " << place.left << "," << place.top << "," << place.right << "," << place.bottom;
    return {};
}

TEST_F(Form1LoupeTest, ALayoutWithoutALoupeDrawsExactlyAsBefore) {
    ASSERT_TRUE(ShowDistinct(patchWindow_, patch_));
    const Point sampled = At(60, 50);
    SetCursorPos(sampled.x, sampled.y);
    const std::string base = "rgb=110,10,80,16\r\n";
    std::vector<uint32_t> reference;
    {
        const auto form = Start(base);
        ASSERT_NE(form->hwnd(), nullptr);
        form->Timer1_Timer();
        EXPECT_FALSE(form->Loupe().Active());
        reference = Shown(*form);
        ASSERT_FALSE(reference.empty());
    }
    // Boxes that hold no cell: outside the window, too small for the factor, or without a size.
    for (const char* zoom : {"zoom=300,10,90,90,6", "zoom=10,10,5,90,6", "zoom=10,10", "zoom=195,10,90,90,8"}) {
        const auto form = Start(base + zoom + "\r\n");
        ASSERT_NE(form->hwnd(), nullptr);
        form->Timer1_Timer();
        EXPECT_FALSE(form->Loupe().Active()) << zoom;
        EXPECT_EQ(Shown(*form), reference) << zoom;
    }
    // With a loupe, only its grid differs, and its middle cell shows the sampled pixel.
    const auto form = Start(base + "zoom=10,10,90,90,6\r\n");
    ASSERT_NE(form->hwnd(), nullptr);
    form->Timer1_Timer();
    const std::vector<uint32_t> withLoupe = Shown(*form);
    ASSERT_EQ(withLoupe.size(), reference.size());
    const PixelRect grid = form->Loupe().Geometry()->grid;
    for (std::size_t i = 0; i < reference.size(); ++i) {
        const auto x = static_cast<int32_t>(i % kSkinWidth);
        const auto y = static_cast<int32_t>(i / kSkinWidth);
        if (!grid.Contains(x, y)) {
            ASSERT_EQ(withLoupe[i], reference[i]) << x << "," << y;
        }
    }
    const int32_t centre = kCellOrigin + kMiddleCell * 6 + 3;
    EXPECT_EQ(withLoupe[static_cast<std::size_t>(centre * kSkinWidth + centre)] & 0xFFFFFFu,
              Distinct(sampled.x, sampled.y));
}

}  // namespace
}  // namespace pixlin
