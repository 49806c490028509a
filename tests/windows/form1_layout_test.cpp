#include "picker/form1.h"

#include "core/layout/skin_layout.h"
#include "support/bmp_file.h"
#include "support/layout_rows.h"
#include "support/message_box_answerer.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace pixlin {
namespace {

using testing::BmpFromRows;
using testing::DrainMessages;
using testing::LayoutRow;
using testing::MessageBoxAnswerer;
using testing::ScratchDir;
using testing::StartPicker;

// The tests' screens have 96 dots per inch: 15 twips to the pixel.
class Form1LayoutTest : public ::testing::Test {
protected:
    ~Form1LayoutTest() override { DrainMessages(); }

    std::unique_ptr<Form1> StartWithLayout(const std::string& layout) {
        const ScratchDir folder;
        folder.Write(L"pixlin.dat0", layout);
        folder.Write(L"pixlin.dat1", BmpFromRows({".###", "####", "####"}, {{'.', RGB(255, 0, 255)}}));
        Form1Args args;
        args.programDirectory = folder.Root();
        return StartPicker(std::move(args));
    }
};

bool operator==(const TwipsRect& a, const TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST_F(Form1LayoutTest, LinesPlaceAndColourTheReadouts) {
    const struct {
        const char* layout;
        Form1Control label;
        TwipsRect place;
        PixelRect pixels;
        COLORREF foreColor;
    } rows[] = {
        {"", Form1Control::lbl_HLS, {1935, 4095, 1455, 285}, {129, 273, 226, 292}, 0},
        {"rgb=10,20", Form1Control::lbl_RGB, {150, 300, 1455, 285}, {10, 20, 107, 39}, 0},
        {"hex=12,50,120,16,16711680", Form1Control::lbl_HEX, {180, 750, 1800, 240}, {12, 50, 132, 66}, 16711680},
        {"ycbcr=1.5,2.5,3,4,255.5", Form1Control::lbl_YCBCR, {22.5f, 37.5f, 45, 60}, {2, 2, 5, 6}, 256},
        {"quit=271,11,19,19,255", Form1Control::Label3, {4065, 165, 285, 285}, {271, 11, 290, 30}, 0},
        // Later lines override earlier ones property by property; a lone CR ends a line.
        {"rgb=1,2,3,4,255\rrgb=10,20", Form1Control::lbl_RGB, {150, 300, 45, 60}, {10, 20, 13, 24}, 255},
        // A value the control refuses skips that assignment only.
        {"rgb=1e30,20,30,40,255", Form1Control::lbl_RGB, {1260, 300, 450, 600}, {84, 20, 114, 60}, 255},
        {"cmy=10,20,-5,16", Form1Control::lbl_CMY, {150, 300, 1455, 240}, {10, 20, 107, 36}, 0},
        {"RGB=10,20,30,40,0\r\nrgb =1,2", Form1Control::lbl_RGB, {1260, 3060, 1455, 285}, {84, 204, 181, 223}, 0},
    };
    for (const auto& row : rows) {
        const auto form = StartWithLayout(row.layout);
        ASSERT_NE(form->hwnd(), nullptr) << row.layout;
        const LabelControl& label = form->Label(row.label);
        EXPECT_TRUE(label.place == row.place) << row.layout << ": " << label.place.left << "," << label.place.top << " "
                                              << label.place.width << "x" << label.place.height;
        EXPECT_EQ(label.pixels, row.pixels) << row.layout;
        EXPECT_EQ(label.foreColor, row.foreColor) << row.layout;
    }
}

TEST_F(Form1LayoutTest, PreviewPlacesTheSwatchAndItsClickAreaAlike) {
    const auto form = StartWithLayout("preview=5,6,30,40,255\r\n");
    ASSERT_NE(form->hwnd(), nullptr);
    const TwipsRect place{75, 90, 450, 600};
    const PixelRect pixels{5, 6, 35, 46};
    EXPECT_TRUE(form->Shape1().place == place);
    EXPECT_EQ(form->Shape1().pixels, pixels);
    EXPECT_TRUE(form->Label(Form1Control::lbl_Shape).place == place);
    EXPECT_EQ(form->Label(Form1Control::lbl_Shape).pixels, pixels);
    EXPECT_EQ(form->Label(Form1Control::lbl_Shape).foreColor, 0u);
}

TEST_F(Form1LayoutTest, TextMovesTheNameBoxAndColoursItsText) {
    const auto form = StartWithLayout("text=51,201,236,22,3155488\r\n");
    ASSERT_NE(form->hwnd(), nullptr);
    RECT place{};
    GetWindowRect(form->Text1(), &place);
    MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 51);
    EXPECT_EQ(place.top, 201);
    EXPECT_EQ(place.right, 287);
    EXPECT_EQ(place.bottom, 223);

    const WindowDc dc(form->Text1());
    SendMessageW(form->hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(form->Text1()));
    EXPECT_EQ(GetTextColor(dc.get()), COLORREF{3155488});
}

// The window's alpha is the line's number itself, not a percentage.
TEST_F(Form1LayoutTest, TransMakesTheWindowTranslucentOnlyStrictlyBetween0And100) {
    const struct {
        const char* layout;
        bool layered;
        BYTE alpha;
    } rows[] = {
        {"trans=80", true, 80},   {"trans=0.5", true, 0}, {"trans=99.5", true, 100},
        {"trans=50,7", true, 50}, {"trans=0", false, 0},  {"trans=100", false, 0},
        {"trans=-5", false, 0},   {"trans=", false, 0},   {"Trans=80", false, 0},
    };
    for (const auto& row : rows) {
        const auto form = StartWithLayout(row.layout);
        ASSERT_NE(form->hwnd(), nullptr) << row.layout;
        const bool layered = (GetWindowLongPtrW(form->hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        EXPECT_EQ(layered, row.layered) << row.layout;
        if (layered && row.layered) {
            BYTE alpha = 0;
            DWORD flags = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(form->hwnd(), nullptr, &alpha, &flags)) << row.layout;
            EXPECT_EQ(alpha, row.alpha) << row.layout;
            EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA)) << row.layout;
        }
    }
}

PixelRect Text1Pixels(const Form1& form) {
    RECT place{};
    GetWindowRect(form.Text1(), &place);
    MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

COLORREF Text1Colour(const Form1& form) {
    const WindowDc dc(form.Text1());
    SendMessageW(form.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(form.Text1()));
    return GetTextColor(dc.get());
}

PixelRect ShownPixels(const Form1& form, Form1Control control) {
    switch (control) {
        case Form1Control::Shape1:
            return form.Shape1().pixels;
        case Form1Control::Text1:
            return Text1Pixels(form);
        default:
            return form.Label(control).pixels;
    }
}

std::optional<BYTE> Alpha(const Form1& form) {
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool layered = (GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (!layered || !GetLayeredWindowAttributes(form.hwnd(), nullptr, &alpha, &flags)) {
        return std::nullopt;
    }
    return alpha;
}

// The window takes exactly what the one reading gives for its scale and client area; at 100 % that is what the row
// says the picker does.
void ExpectAppliesTheReading(const LayoutRow& row, int32_t dpi) {
    // The window of the row before has ended with a WM_QUIT, which would end this row's message box at once.
    DrainMessages();
    const ScratchDir folder;
    folder.Write(L"pixlin.dat0", row.layout);
    folder.Write(L"pixlin.dat1", testing::LayoutRowSkin());
    Form1Args args;
    args.programDirectory = folder.Root();
    args.dpi = dpi;
    std::optional<MessageBoxAnswerer> answerer;
    if (row.refused) {
        answerer.emplace(L"223");
    }
    const auto form = StartPicker(std::move(args));
    if (row.refused) {
        EXPECT_FALSE(answerer->Wait().empty()) << "no message box titled 223 (file too large)";
        EXPECT_EQ(form->hwnd(), nullptr);
        return;
    }
    ASSERT_NE(form->hwnd(), nullptr);
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    const SkinLayout reading = ReadSkinLayout(
        row.layout, LayoutContext{form->Display(), PixelRect{client.left, client.top, client.right, client.bottom}});
    for (std::size_t i = 0; i < kForm1ControlCount; ++i) {
        const auto control = static_cast<Form1Control>(i);
        EXPECT_EQ(ShownPixels(*form, control), reading.Control(control).pixels) << i;
        if (IsLabel(control)) {
            EXPECT_TRUE(form->Label(control).place == reading.Control(control).place) << i;
            EXPECT_EQ(form->Label(control).foreColor, static_cast<COLORREF>(reading.Control(control).foreColor)) << i;
            EXPECT_EQ(form->Shows(control), reading.Shows(control)) << i;
        }
    }
    const std::optional<PixelRect> historyBox = reading.history ? std::optional(reading.history->box) : std::nullopt;
    EXPECT_EQ(form->History().Box(), historyBox);
    EXPECT_EQ(form->History().Count(), reading.history ? reading.history->count : kDefaultHistoryCount);
    EXPECT_EQ(Text1Colour(*form), static_cast<COLORREF>(reading.Control(Form1Control::Text1).foreColor));
    const std::optional<LoupeGeometry> loupe = reading.loupe ? reading.loupe->geometry : std::nullopt;
    EXPECT_EQ(form->Loupe().Geometry(), loupe);
    const std::optional<BYTE> alpha = row.alpha ? std::optional(static_cast<BYTE>(*row.alpha)) : std::nullopt;
    EXPECT_EQ(Alpha(*form), alpha);
    if (dpi == kStandardDpi) {
        EXPECT_EQ(ShownPixels(*form, row.control), row.pixels);
        EXPECT_EQ(loupe ? std::optional(loupe->grid) : std::nullopt, row.loupeGrid);
        EXPECT_EQ(!IsLabel(row.control) || form->Shows(row.control), row.shown);
        EXPECT_EQ(form->History().Box(), row.historyBox);
        if (row.historyBox) {
            EXPECT_EQ(form->History().Count(), row.historyCount);
        }
    }
}

// The rows pixlin-skin is tested with on the host, at 100 % and at 150 %.
TEST_F(Form1LayoutTest, TheWindowAppliesTheOneReading) {
    for (const LayoutRow& row : testing::LayoutRows()) {
        for (const int32_t dpi : {kStandardDpi, 144}) {
            SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(dpi) + " dpi");
            ExpectAppliesTheReading(row, dpi);
        }
    }
}

// A read that fails part of the way through is no end of the file: the picker reports it like a file it cannot open,
// and applies nothing of what came before.
TEST_F(Form1LayoutTest, AReadThatFailsPartWayIsReportedAndNothingIsApplied) {
    const ScratchDir folder;
    std::string layout = "rgb=10,20,30,40,255\r\n";
    while (layout.size() < 300 * 1024) {
        layout += "hex=1,2,3,4,5\r\n";
    }
    folder.Write(L"pixlin.dat0", layout);
    folder.Write(L"pixlin.dat1", BmpFromRows({".###", "####", "####"}, {{'.', RGB(255, 0, 255)}}));
    Form1Args args;
    args.programDirectory = folder.Root();
    int reads = 0;
    args.readFile = [&reads](HANDLE file, void* buffer, DWORD bytes, DWORD* read) {
        if (++reads == 3) {
            SetLastError(ERROR_READ_FAULT);
            return FALSE;
        }
        return ReadFile(file, buffer, bytes, read, nullptr);
    };
    MessageBoxAnswerer answerer(std::to_wstring(ERROR_READ_FAULT));
    const auto form = StartPicker(std::move(args));
    EXPECT_FALSE(answerer.Wait().empty()) << "no message box titled 30 (the read failed)";
    EXPECT_EQ(form->hwnd(), nullptr) << "a partial layout was applied as if it were the whole file";
}

// A display-scale change while a long file loads waits for the load: the window then shows the whole layout at the
// new scale, as if the change had come after it.
TEST_F(Form1LayoutTest, AScaleChangeDuringALongLoadWaitsForItAndTheLoupeDrawsAtOnce) {
    const ScratchDir folder;
    std::string layout = "rgb=10,20,30,40,255\r\ntext=5,60,80,16,0\r\nzoom=0,0,40,30,4\r\n";
    while (layout.size() < 640 * 1024) {
        layout += "hex=1,2,3,4,5\r\n";
    }
    folder.Write(L"pixlin.dat0", layout);
    folder.Write(L"pixlin.dat1", testing::LayoutRowSkin());
    Form1Args args;
    args.programDirectory = folder.Root();
    args.dpi = kStandardDpi;
    static const RECT kSuggested{10, 10, 400, 300};
    int reads = 0;
    // Slow enough that the load answers messages between chunks, and the change arrives half way.
    args.readFile = [&reads](HANDLE file, void* buffer, DWORD bytes, DWORD* read) {
        Sleep(40);
        if (++reads == 6) {
            PostMessageW(FindWindowW(L"PixlinForm1", nullptr), WM_DPICHANGED, MAKEWPARAM(144, 144),
                         reinterpret_cast<LPARAM>(&kSuggested));
        }
        return ReadFile(file, buffer, bytes, read, nullptr);
    };
    const auto form = StartPicker(std::move(args));
    ASSERT_NE(form->hwnd(), nullptr);
    ASSERT_GE(reads, 10);
    EXPECT_EQ(form->Display().Dpi(), 144);
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    const SkinLayout reading =
        ReadSkinLayout(layout, LayoutContext{DisplayScale(144), PixelRect{0, 0, client.right, client.bottom}});
    for (const Form1Control control : {Form1Control::lbl_RGB, Form1Control::lbl_HEX, Form1Control::Text1}) {
        EXPECT_EQ(ShownPixels(*form, control), reading.Control(control).pixels) << IndexOf(control);
    }
    ASSERT_TRUE(reading.loupe && reading.loupe->geometry);
    EXPECT_EQ(form->Loupe().Geometry(), reading.loupe->geometry);

    // The ticks during the load sampled where the pointer stays; the loupe, new once the layout is in, still shows the
    // screen at the next tick instead of waiting for the pointer to move.
    SetWindowTextW(form->hwnd(), L"untouched");
    form->Timer1_Timer();
    EXPECT_NE(testing::Caption(form->hwnd()), "untouched");
}

}  // namespace
}  // namespace pixlin
