#include "picker/skin.h"

#include "picker/form1.h"
#include "picker/picture_box.h"
#include "picker/resource.h"
#include "support/bmp_file.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/picture_file.h"

#include <gtest/gtest.h>

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
constexpr COLORREF kLight = RGB(200, 210, 220);

// '.' is the key colour; 'n' differs from it in the blue channel by one.
const testing::Palette kPalette{{'.', kKey}, {'#', kPanel}, {'o', kLight}, {'n', RGB(255, 0, 254)}};

// The expected window shape: every non-key pixel of the art, as '#'.
Coverage Opaque(const std::vector<std::string_view>& art) {
    Coverage rows;
    for (const std::string_view row : art) {
        std::string line;
        for (const char pixel : row) {
            line += pixel == '.' ? '.' : '#';
        }
        rows.push_back(line);
    }
    return rows;
}

// What the built-in skin's shape is, read from the program's own resource.
Coverage BuiltInSkinCoverage() {
    const Bitmap skin(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_DEFAULT_SKIN),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const SIZE size = BitmapSize(skin.get());
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), skin.get());
    const COLORREF key = GetPixel(dc.get(), 0, 0);
    Coverage rows;
    for (int y = 0; y < size.cy; ++y) {
        std::string line;
        for (int x = 0; x < size.cx; ++x) {
            line += GetPixel(dc.get(), x, y) == key ? '.' : '#';
        }
        rows.push_back(line);
    }
    return rows;
}

SIZE WindowSize(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return {place.right - place.left, place.bottom - place.top};
}

class SkinTest : public ::testing::Test {
protected:
    ~SkinTest() override { DrainMessages(); }

    // The picker started from a folder with an empty layout file and the bitmap, if any.
    static std::unique_ptr<Form1> StartIn(const ScratchDir& folder, const std::string* bitmapBytes) {
        folder.Write(L"pixlin.dat0", "");
        if (bitmapBytes != nullptr) {
            folder.Write(L"pixlin.dat1", *bitmapBytes);
        }
        Form1Args args;
        args.programDirectory = folder.Root();
        return StartPicker(std::move(args));
    }

    std::unique_ptr<Form1> StartWithSkinBitmap(const std::string* bitmapBytes) const {
        return StartIn(scratch_, bitmapBytes);
    }

    ScratchDir scratch_;
};

TEST_F(SkinTest, TheRegionCoversExactlyThePixelsThatDifferFromTheTopLeftOne) {
    const std::vector<std::string_view> art{
        ".##..###..##",  // runs between holes, the last one reaching the right edge
        "############",  // no key pixel: one run over the whole row
        "............",  // key only: nothing
        "#.###.#####.",  // starts opaque at x 0
        "nnnnnnnnnnnn",  // a near miss of the key colour is opaque
        "..oooo##oo..",  // neighbouring colours join into one run
    };
    const std::string bitmap = BmpFromRows(art, kPalette);
    const auto form = StartWithSkinBitmap(&bitmap);
    ASSERT_NE(form->hwnd(), nullptr);

    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
    const SIZE size = WindowSize(form->hwnd());
    EXPECT_EQ(size.cx, 12);
    EXPECT_EQ(size.cy, 6);
    EXPECT_EQ(RegionCoverage(form->hwnd()), Opaque(art));
}

TEST_F(SkinTest, ABitmapAllOfTheKeyColourLeavesTheWindowNoArea) {
    const std::string bitmap = BmpFromRows({"....", "...."}, kPalette);
    const auto form = StartWithSkinBitmap(&bitmap);
    ASSERT_NE(form->hwnd(), nullptr);

    const Region region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(form->hwnd(), region.get()), NULLREGION);
    EXPECT_EQ(WindowSize(form->hwnd()).cx, 4);
}

TEST_F(SkinTest, WithoutAUsableSkinBitmapTheWindowWearsTheBuiltInSkin) {
    const Coverage builtIn = BuiltInSkinCoverage();
    ASSERT_FALSE(builtIn.empty()) << "the test program carries the built-in skin";
    ASSERT_FALSE(builtIn.front().empty());

    const std::string broken = "BM this is no bitmap";
    const std::string empty;
    const struct {
        const char* what;
        const std::string* bytes;
    } rows[] = {{"missing", nullptr}, {"broken", &broken}, {"empty", &empty}};
    for (const auto& row : rows) {
        const ScratchDir folder;
        const auto form = StartIn(folder, row.bytes);
        ASSERT_NE(form->hwnd(), nullptr) << row.what;
        EXPECT_TRUE(IsWindowVisible(form->hwnd())) << row.what;
        EXPECT_EQ(RegionCoverage(form->hwnd()), builtIn) << row.what;
    }
}

// The window's surface is the bitmap: what the screen shows inside the region is the skin's own colours.
TEST_F(SkinTest, TheScreenShowsTheSkinInsideTheRegion) {
    const std::vector<std::string_view> art{
        "..oooo..",
        "########",
        "##oooo##",
        "########",
    };
    const std::string bitmap = BmpFromRows(art, kPalette);
    const auto form = StartWithSkinBitmap(&bitmap);
    ASSERT_NE(form->hwnd(), nullptr);
    RECT place{};
    GetWindowRect(form->hwnd(), &place);

    EXPECT_TRUE(testing::UntilShown([&] {
        const WindowDc screen(nullptr);
        return GetPixel(screen.get(), place.left + 3, place.top) == kLight &&
               GetPixel(screen.get(), place.left + 1, place.top + 2) == kPanel &&
               GetPixel(screen.get(), place.left + 4, place.top + 2) == kLight;
    }));
}

// The scan depends on the box's settings: only a frameless, auto-sized box is exactly its picture's size, and only
// its persistent image can be read.
TEST(PictureBoxTest, TakesItsPicturesSizeOnlyWhenAutoSizedAndCountsItsFrame) {
    ScratchDir scratch;
    const std::wstring path = scratch.Write(L"picture.bmp", BmpFromRows({"#o#o", "o#o#"}, kPalette));
    const LayoutScale scale{15.0f, 15.0f};
    PictureBox box(TwipsRect{3870, 270, 210, 300}, scale, std::make_shared<const Bitmap>(LoadPictureFile(path)));
    EXPECT_EQ(box.Width(), 210.0f);
    EXPECT_EQ(box.Height(), 300.0f);
    EXPECT_EQ(box.Image().dc(), nullptr) << "no persistent image at design time";

    box.SetAutoSize(true);
    EXPECT_EQ(box.Width(), 6 * 15.0f) << "four pixels and a frame on either side";
    EXPECT_EQ(box.Height(), 4 * 15.0f);
    box.SetBorderStyle(kBorderStyleNone);
    EXPECT_EQ(box.Width(), 4 * 15.0f);
    EXPECT_EQ(box.Height(), 2 * 15.0f);

    box.SetAutoRedraw(true);
    {
        const PictureImage image = box.Image();
        ASSERT_NE(image.dc(), nullptr);
        EXPECT_EQ(GetPixel(image.dc(), 0, 0), kPanel);
        EXPECT_EQ(GetPixel(image.dc(), 2, 1), kLight);
        EXPECT_EQ(GetPixel(image.dc(), 4, 0), CLR_INVALID) << "beyond the picture";
    }

    const Region region = RegionFromBitmap(box);
    EXPECT_NE(PtInRegion(region.get(), 1, 0), FALSE);
    EXPECT_EQ(PtInRegion(region.get(), 2, 0), FALSE);
    EXPECT_EQ(PtInRegion(region.get(), 1, 1), FALSE);

    EXPECT_THROW(box.SetBorderStyle(2), RunError);
}

}  // namespace
}  // namespace pixlin
