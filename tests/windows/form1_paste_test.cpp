#include "picker/form1.h"

#include "support/clipboard.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::Caption;
using testing::Centre;
using testing::Click;
using testing::DrainMessages;
using testing::PutPictureAndPrivateData;
using testing::ReadClipboard;
using testing::ScratchDir;
using testing::StartPicker;
using testing::TestWindow;

using C = Form1Control;

// The newer readouts below the older ones, a history of four swatches of 20 pixels and the state line.
constexpr char kPasteLayout[] =
    "rgb=170,40,116,16,0\r\nhex=170,62,116,16,0\r\n"
    "csshex=10,200,140,16,0\r\ncssrgb=10,220,140,16,0\r\ncsshsl=10,240,140,16,0\r\nhsv=10,260,140,16,0\r\n"
    "oklch=160,200,140,16,0\r\nnearest=160,220,140,16,0\r\ncontrast=160,240,140,16,0\r\nstate=160,260,140,16,0\r\n"
    "history=10,280,80,12,4\r\n";
// A skin of today: none of the newer keys.
constexpr char kOldLayout[] = "rgb=170,40,116,16,0\r\nhex=170,62,116,16,0\r\n";

constexpr char kLive[] = "Live \xC2\xB7 Ctrl+F12 freezes";
constexpr char kFrozen[] = "Frozen \xC2\xB7 Ctrl+F12 resumes";

std::string NameBoxText(const Form1& form) {
    wchar_t text[256] = {};
    GetWindowTextW(form.Text1(), text, 256);
    return Narrow(text);
}

class Form1PasteTest : public ::testing::Test {
protected:
    ~Form1PasteTest() override { DrainMessages(); }

    // A picker on the layout that reads whatever colour_ is; it samples with its own timer only when asked.
    std::unique_ptr<Form1> Start(const char* layout, bool sampling = false) {
        scratch_.Write(L"pixlin.dat0", layout);
        Form1Args args;
        args.programDirectory = scratch_.Root();
        args.readPixel = [this](HDC, int, int) { return colour_; };
        args.playWave = [this](const std::wstring&, int16_t) { ++sounds_; };
        if (writeClipboard_) {
            args.writeClipboard = writeClipboard_;
        }
        return StartPicker(std::move(args), sampling);
    }

    void Sample(Form1& form, COLORREF colour, int x, int y) {
        colour_ = colour;
        SetCursorPos(x, y);
        form.Timer1_Timer();
    }

    // Clicks a label and gives what then is on the clipboard; another program's picture was there before.
    std::wstring ClickAndRead(const Form1& form, Form1Control label) {
        PutPictureAndPrivateData(clipboardUser_.get());
        Click(form.hwnd(), Centre(form.Label(label).pixels));
        return ReadClipboard().unicode;
    }

    // Ctrl+F11 as the system delivers it; what then is on the clipboard, none when nothing was put there.
    std::optional<std::wstring> PressCopyKey(const Form1& form) {
        PutPictureAndPrivateData(clipboardUser_.get());
        SendMessageW(form.hwnd(), WM_HOTKEY, GlobalFindAtomW(L"PixlinCopyKey"), MAKELPARAM(MOD_CONTROL, VK_F11));
        const testing::ClipboardContents contents = ReadClipboard();
        return contents.formats.count(CF_UNICODETEXT) != 0 ? std::optional(contents.unicode) : std::nullopt;
    }

    static void PressFreezeKey(const Form1& form) {
        SendMessageW(form.hwnd(), WM_HOTKEY, GlobalFindAtomW(L"MyHotKey"), MAKELPARAM(MOD_CONTROL, VK_F12));
    }

    ScratchDir scratch_;
    COLORREF colour_ = RGB(0, 0, 0);
    int sounds_ = 0;
    ClipboardWriter writeClipboard_;
    const TestWindow clipboardUser_;
};

// Published values: the CSS forms and HSV of #FF8000, and sRGB red in OKLCH as CSS Color 4 gives it.
TEST_F(Form1PasteTest, TheNewReadoutsShowTheirFormsAndAClickCopiesExactlyThat) {
    const struct {
        COLORREF colour;
        Form1Control readout;
        const char* text;
    } rows[] = {
        {RGB(255, 128, 0), C::lbl_CSSHEX, "#FF8000"},
        {RGB(255, 128, 0), C::lbl_CSSRGB, "rgb(255, 128, 0)"},
        {RGB(255, 128, 0), C::lbl_CSSHSL, "hsl(30, 100%, 50%)"},
        {RGB(255, 128, 0), C::lbl_HSV, "30,100,100"},
        {RGB(255, 128, 0), C::lbl_NEAREST, "\xE2\x89\x88 darkorange - dunkles Orange"},
        {RGB(255, 0, 0), C::lbl_CSSHEX, "#FF0000"},
        {RGB(255, 0, 0), C::lbl_CSSHSL, "hsl(0, 100%, 50%)"},
        {RGB(255, 0, 0), C::lbl_OKLCH, "oklch(62.8% 0.258 29.2)"},
        {RGB(0, 0, 255), C::lbl_CSSRGB, "rgb(0, 0, 255)"},
        {RGB(0, 0, 255), C::lbl_HSV, "240,100,100"},
        {RGB(0, 0, 255), C::lbl_OKLCH, "oklch(45.2% 0.313 264.1)"},
    };
    int x = 300;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto form = Start(kPasteLayout);
        ASSERT_NE(form->hwnd(), nullptr);
        Sample(*form, row.colour, x++, 400);
        EXPECT_EQ(form->Label(row.readout).caption, row.text);
        EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "") << "a contrast before anything was copied";
        sounds_ = 0;
        EXPECT_EQ(ClickAndRead(*form, row.readout), Widen(row.text));
        EXPECT_EQ(sounds_, 1);
        ASSERT_EQ(form->History().Entries().size(), 1u);
        EXPECT_EQ(form->History().Entries()[0], (HistoryEntry{RgbOf(static_cast<int32_t>(row.colour)), {x - 1, 400}}));

        // An unreadable pixel empties them like the older readouts.
        Sample(*form, CLR_INVALID, x++, 400);
        EXPECT_EQ(form->Label(row.readout).caption, "");
    }

    // Without their keys the newer labels are not there: no text, no click, no history box.
    const auto old = Start(kOldLayout);
    Sample(*old, RGB(255, 128, 0), x++, 400);
    for (std::size_t i = IndexOf(C::lbl_CSSHEX); i <= IndexOf(C::lbl_STATE); ++i) {
        EXPECT_FALSE(old->Shows(static_cast<Form1Control>(i))) << i;
        EXPECT_EQ(old->Label(static_cast<Form1Control>(i)).caption, "") << i;
    }
    EXPECT_EQ(old->History().Box(), std::nullopt);
}

// The key copies in the form of the readout clicked last, shown by the skin or not; the history takes each copy.
TEST_F(Form1PasteTest, TheCopyKeyCopiesThePickInTheFormOfTheLastClickedReadout) {
    const struct {
        const char* layout;
        // Clicked before the second press of the key; its form is what the key then copies.
        Form1Control clicked;
        const wchar_t* clickedText;
    } rows[] = {
        {kPasteLayout, C::lbl_CSSRGB, L"rgb(255, 128, 0)"},
        {kPasteLayout, C::lbl_HEX, L"'#FF8000'"},
        {kOldLayout, C::lbl_RGB, L"255,128,0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.clickedText));
        const auto form = Start(row.layout);
        ASSERT_NE(form->hwnd(), nullptr);
        sounds_ = 0;
        EXPECT_EQ(PressCopyKey(*form), std::nullopt) << "a copy before anything was sampled";
        EXPECT_EQ(sounds_, 0);

        Sample(*form, RGB(255, 128, 0), 320, 410);
        EXPECT_EQ(PressCopyKey(*form), L"#FF8000") << "the key's form before the first click";
        EXPECT_EQ(sounds_, 1);
        EXPECT_EQ(ClickAndRead(*form, row.clicked), row.clickedText);
        EXPECT_EQ(PressCopyKey(*form), row.clickedText);
        EXPECT_EQ(sounds_, 3);
        ASSERT_EQ(form->History().Entries().size(), 1u) << "one colour copied three times";
        EXPECT_EQ(form->History().Entries()[0].pickedAt, (Point{320, 410}));
    }
}

// Pressed as the window first shows, before any tick sampled, the key copies the colour under the pointer.
TEST_F(Form1PasteTest, TheCopyKeyWorksBeforeTheFirstTick) {
    colour_ = RGB(226, 112, 82);
    SetCursorPos(380, 400);
    const auto form = Start(kOldLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    ASSERT_EQ(form->Label(C::lbl_RGB).caption, "");
    form->Timer1().SetEnabled(true);
    EXPECT_EQ(PressCopyKey(*form), L"#E27052");
    EXPECT_EQ(Caption(form->hwnd()), "X:380   Y:400");
}

// Copied white, the contrast at once reads white against itself; pointing at grey it reads grey against white. A ratio
// is no colour: copying it changes neither the history nor the copy key's form.
TEST_F(Form1PasteTest, TheContrastFollowsTheHistoryAndIsNoColour) {
    const auto form = Start(kPasteLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    Sample(*form, RGB(255, 255, 255), 330, 400);
    EXPECT_EQ(ClickAndRead(*form, C::lbl_CSSHEX), L"#FFFFFF");
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "1.00:1 fail");

    Sample(*form, RGB(119, 119, 119), 331, 400);
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "4.47:1 AA large");
    sounds_ = 0;
    EXPECT_EQ(ClickAndRead(*form, C::lbl_CONTRAST), L"4.47:1 AA large");
    EXPECT_EQ(sounds_, 1);
    EXPECT_EQ(form->History().Entries().size(), 1u);
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "4.47:1 AA large") << "still against the white copied before";

    Sample(*form, RGB(0, 0, 0), 332, 400);
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "21.00:1 AAA");
    EXPECT_EQ(PressCopyKey(*form), L"#000000") << "the key's form is still the last colour's";
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, "1.00:1 fail");
}

// An empty readout copies nothing: the warning beep instead of the click, and the clipboard and history as they were.
TEST_F(Form1PasteTest, AnEmptyReadoutCopiesNothing) {
    const struct {
        COLORREF colour;
        Form1Control readout;
    } rows[] = {
        {RGB(255, 128, 0), C::lbl_CONTRAST},  // nothing copied yet to measure against
        {CLR_INVALID, C::lbl_CSSRGB},
        {CLR_INVALID, C::lbl_RGB},
    };
    int x = 350;
    for (const auto& row : rows) {
        SCOPED_TRACE(IndexOf(row.readout));
        const auto form = Start(kPasteLayout);
        ASSERT_NE(form->hwnd(), nullptr);
        Sample(*form, row.colour, x++, 400);
        ASSERT_EQ(form->Label(row.readout).caption, "");
        sounds_ = 0;
        PutPictureAndPrivateData(clipboardUser_.get());
        Click(form->hwnd(), Centre(form->Label(row.readout).pixels));
        EXPECT_EQ(ReadClipboard().formats.count(CF_BITMAP), 1u) << "the clipboard kept what it had";
        EXPECT_EQ(sounds_, 0);
        EXPECT_TRUE(form->History().Entries().empty());
    }
}

// Resumed, the readouts follow the pointer at once, with or without a loupe: the frozen pick never shows under "Live".
TEST_F(Form1PasteTest, EveryResumeSamplesAtOnce) {
    const auto form = Start(kOldLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    Sample(*form, RGB(255, 128, 0), 360, 400);
    PressFreezeKey(*form);
    PressFreezeKey(*form);
    ASSERT_FALSE(form->Timer1().Enabled());
    colour_ = RGB(0, 0, 255);
    SetCursorPos(361, 400);
    PressFreezeKey(*form);
    EXPECT_TRUE(form->Timer1().Enabled());
    EXPECT_EQ(form->Label(C::lbl_RGB).caption, "0,0,255");
    EXPECT_EQ(Caption(form->hwnd()), "X:361   Y:400");
}

// Waiting for the clipboard, the thread answers messages sent to it; one that ends the session destroys the window.
// The copy is made, and nothing after it touches the window that is gone.
TEST_F(Form1PasteTest, ACopyOutlivingItsWindowTouchesNothingAfterIt) {
    Form1* picker = nullptr;
    writeClipboard_ = [&picker](HWND owner, std::string_view text) {
        SendMessageW(picker->hwnd(), WM_ENDSESSION, TRUE, 0);
        return owner != nullptr && PutTextOnClipboard(nullptr, text);
    };
    const auto form = Start(kPasteLayout);
    ASSERT_NE(form->hwnd(), nullptr);
    picker = form.get();
    Sample(*form, RGB(255, 128, 0), 370, 400);
    sounds_ = 0;
    Click(form->hwnd(), Centre(form->Label(C::lbl_CSSHEX).pixels));
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_EQ(ReadClipboard().unicode, L"#FF8000");
    EXPECT_TRUE(form->History().Entries().empty());
    EXPECT_EQ(sounds_, 0);
}

// Three copies, then the second swatch: its colour is the pick everywhere, sampling freezes as the hot key freezes it,
// and the hot key or the state line resume it.
TEST_F(Form1PasteTest, ASwatchBringsItsColourBackFrozen) {
    const auto form = Start(kPasteLayout, true);
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_EQ(form->Label(C::lbl_STATE).caption, kLive);
    form->Timer1().SetEnabled(false);

    const COLORREF colours[] = {RGB(255, 255, 255), RGB(119, 119, 119), RGB(255, 128, 0)};
    std::vector<std::string> shownForGrey;
    std::string nameOfGrey;
    for (int i = 0; i < 3; ++i) {
        Sample(*form, colours[i], 340 + i, 420);
        if (i == 1) {
            for (std::size_t label = 0; label < kForm1LabelCount; ++label) {
                shownForGrey.push_back(form->Label(static_cast<Form1Control>(label)).caption);
            }
            nameOfGrey = NameBoxText(*form);
        }
        ASSERT_TRUE(PressCopyKey(*form).has_value());
    }
    ASSERT_EQ(form->History().Entries().size(), 3u);
    const PixelRect box = *form->History().Box();
    EXPECT_EQ(box, (PixelRect{10, 280, 90, 292}));

    form->Timer1().SetEnabled(true);
    sounds_ = 0;
    Click(form->hwnd(), {box.left + 30, box.top + 5});
    EXPECT_FALSE(form->Timer1().Enabled()) << "a swatch's colour did not freeze the sampling";
    EXPECT_EQ(Caption(form->hwnd()), "X:341   Y:420");
    EXPECT_EQ(form->Shape1().fillColor, std::optional<COLORREF>(RGB(119, 119, 119)));
    EXPECT_EQ(NameBoxText(*form), nameOfGrey);
    for (std::size_t label = 0; label < kForm1LabelCount; ++label) {
        const auto control = static_cast<Form1Control>(label);
        if (control == C::lbl_CONTRAST) {
            EXPECT_EQ(form->Label(control).caption, "1.77:1 fail") << "grey against the orange copied last";
        } else if (control == C::lbl_STATE) {
            EXPECT_EQ(form->Label(control).caption, kFrozen);
        } else {
            EXPECT_EQ(form->Label(control).caption, shownForGrey[label]) << label;
        }
    }
    EXPECT_EQ(PressCopyKey(*form), L"#777777") << "the key copies the colour brought back";
    EXPECT_EQ(sounds_, 1) << "a swatch is no copy";

    // The fourth swatch is empty: the press does nothing, and drags nothing either.
    Click(form->hwnd(), {box.left + 70, box.top + 5});
    EXPECT_EQ(Caption(form->hwnd()), "X:341   Y:420");
    EXPECT_FALSE(form->Timer1().Enabled());

    PressFreezeKey(*form);
    EXPECT_TRUE(form->Timer1().Enabled());
    EXPECT_EQ(form->Label(C::lbl_STATE).caption, kLive);
    Click(form->hwnd(), Centre(form->Label(C::lbl_STATE).pixels));
    EXPECT_FALSE(form->Timer1().Enabled());
    EXPECT_EQ(form->Label(C::lbl_STATE).caption, kFrozen);
    Click(form->hwnd(), Centre(form->Label(C::lbl_STATE).pixels));
    EXPECT_TRUE(form->Timer1().Enabled());
    EXPECT_EQ(form->Label(C::lbl_STATE).caption, kLive);
}

}  // namespace
}  // namespace pixlin
