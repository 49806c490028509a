#include "core/texts/about_text.h"
#include "picker/form1.h"

#include "support/clipboard.h"
#include "support/message_box_answerer.h"
#include "support/reference_colours.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::At;
using testing::Caption;
using testing::Centre;
using testing::Click;
using testing::ClipboardContents;
using testing::ClipboardHolder;
using testing::DrainMessages;
using testing::MessageBoxAnswerer;
using testing::OpenClipboardPatiently;
using testing::PutPictureAndPrivateData;
using testing::ReadClipboard;
using testing::ReferenceColour;
using testing::ReferenceColours;
using testing::ScratchDir;
using testing::StartPicker;
using testing::TestWindow;

constexpr char kLayout[] =
    "rgb=170,40,116,16,16117996\r\nhex=170,62,116,16,16117996\r\nlong=170,84,116,16,16117996\r\n"
    "hls=170,106,116,16,16117996\r\ncmy=170,128,116,16,16117996\r\ncmyk=170,150,116,16,16117996\r\n"
    "ycbcr=170,172,116,16,16117996\r\npreview=14,40,92,148\r\ntext=51,201,236,22,3155488\r\nquit=271,11,19,19\r\n";

bool OnlyTextFormats(const std::set<UINT>& formats) {
    for (const UINT format : formats) {
        if (format != CF_UNICODETEXT && format != CF_TEXT && format != CF_OEMTEXT && format != CF_LOCALE) {
            return false;
        }
    }
    return formats.count(CF_UNICODETEXT) == 1;
}

// Handles messages until a clock of its own, a 10 ms timer like the picker's on the same thread, has ticked `ticks`
// times: the picker's timer has then had as many chances to tick. A check that nothing changed relies on that, never
// on a guessed time. False when the clock did not tick within two seconds.
bool PumpClockTicks(int ticks) {
    const testing::TestWindow clock;
    constexpr UINT_PTR kClockId = 77;
    SetTimer(clock.get(), kClockId, 10, nullptr);
    int seen = 0;
    const DWORD start = GetTickCount();
    MSG message{};
    while (seen < ticks && GetTickCount() - start < 2000) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (message.hwnd == clock.get() && message.message == WM_TIMER && message.wParam == kClockId) {
            ++seen;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(clock.get(), kClockId);
    return seen >= ticks;
}

struct Played {
    std::wstring path;
    int16_t wait;
};

struct Sent {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class Form1Clicks : public ::testing::Test {
protected:
    Form1Clicks() { scratch_.Write(L"pixlin.dat0", kLayout); }
    ~Form1Clicks() override { DrainMessages(); }

    // A picker that samples the given colour wherever the pointer is, with its timer stopped unless asked.
    std::unique_ptr<Form1> MakeForm(COLORREF colour = RGB(255, 128, 0), bool sampling = false) {
        Form1Args args;
        args.programDirectory = scratch_.Root();
        args.readPixel = [this, colour](HDC, int, int) {
            ++reads_;
            return colour;
        };
        args.playWave = [this](const std::wstring& path, int16_t wait) { played_.push_back({path, wait}); };
        args.sendMessage = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            sent_.push_back({window, message, wParam, lParam});
            return 0;
        };
        return StartPicker(std::move(args), sampling);
    }

    // A point of the window's surface that no label and not the name box covers.
    static POINT FreePoint(const Form1& form) {
        RECT client{};
        GetClientRect(form.hwnd(), &client);
        RECT nameBox{};
        GetWindowRect(form.Text1(), &nameBox);
        MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&nameBox), 2);
        for (int y = client.top + 2; y < client.bottom; y += 4) {
            for (int x = client.left + 2; x < client.right; x += 4) {
                bool covered = PtInRect(&nameBox, POINT{x, y}) != FALSE;
                for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
                    covered = covered || form.Label(static_cast<Form1Control>(i)).pixels.Contains(x, y);
                }
                if (!covered) {
                    return {x, y};
                }
            }
        }
        ADD_FAILURE() << "no free point on the window";
        return {0, 0};
    }

    ScratchDir scratch_;
    int reads_ = 0;
    std::vector<Played> played_;
    std::vector<Sent> sent_;
    const TestWindow clipboardUser_;
};

TEST_F(Form1Clicks, EachReadoutClickCopiesExactlyItsCaptionAndClicks) {
    int x = 300;
    for (const ReferenceColour& colour : ReferenceColours()) {
        const auto form = MakeForm(colour.colour);
        ASSERT_NE(form->hwnd(), nullptr);
        SetCursorPos(x++, 400);
        form->Timer1_Timer();
        const struct {
            Form1Control label;
            const std::string& text;
        } readouts[] = {
            {Form1Control::lbl_RGB, colour.rgb},        {Form1Control::lbl_HEX, colour.hex},
            {Form1Control::lbl_LONG, colour.longValue}, {Form1Control::lbl_HLS, colour.hls},
            {Form1Control::lbl_CMY, colour.cmy},        {Form1Control::lbl_CMYK, colour.cmyk},
            {Form1Control::lbl_YCBCR, colour.ycbcr},
        };
        for (const auto& row : readouts) {
            PutPictureAndPrivateData(clipboardUser_.get());
            played_.clear();
            const POINT centre = Centre(form->Label(row.label).pixels);
            Click(form->hwnd(), centre, centre);

            const ClipboardContents contents = ReadClipboard();
            EXPECT_EQ(contents.unicode, Widen(row.text));
            EXPECT_TRUE(OnlyTextFormats(contents.formats)) << row.text;
            ASSERT_EQ(played_.size(), 1u) << row.text;
            EXPECT_EQ(played_[0].path, scratch_.Path(L"pixlin.dat2"));
            EXPECT_EQ(played_[0].wait, 0);
        }
        EXPECT_TRUE(sent_.empty()) << "a click on a readout dragged the window";
    }
}

// Nothing sampled yet, the readouts are empty: an empty text is nothing to copy, and the clipboard keeps what it had.
TEST_F(Form1Clicks, BeforeTheFirstTickAClickCopiesNothing) {
    const auto form = MakeForm();
    ASSERT_EQ(form->Label(Form1Control::lbl_HEX).caption, "");
    PutPictureAndPrivateData(clipboardUser_.get());
    const POINT centre = Centre(form->Label(Form1Control::lbl_HEX).pixels);
    Click(form->hwnd(), centre, centre);
    EXPECT_EQ(ReadClipboard().formats.count(CF_BITMAP), 1u);
    EXPECT_TRUE(played_.empty());
}

TEST_F(Form1Clicks, ReleasedOverAnotherLabelOrBesideIsNoClick) {
    const auto form = MakeForm();
    SetCursorPos(301, 400);
    form->Timer1_Timer();
    PutPictureAndPrivateData(clipboardUser_.get());
    const POINT rgb = Centre(form->Label(Form1Control::lbl_RGB).pixels);
    Click(form->hwnd(), rgb, Centre(form->Label(Form1Control::lbl_HEX).pixels));
    Click(form->hwnd(), rgb, FreePoint(*form));
    EXPECT_EQ(ReadClipboard().formats.count(CF_UNICODETEXT), 0u);
    EXPECT_TRUE(played_.empty());
}

TEST_F(Form1Clicks, AHeldClipboardStaysAsItWasAndThePickerRunsOn) {
    const auto form = MakeForm();
    SetCursorPos(302, 400);
    form->Timer1_Timer();
    PutPictureAndPrivateData(clipboardUser_.get());
    const POINT rgb = Centre(form->Label(Form1Control::lbl_RGB).pixels);
    {
        const ClipboardHolder holder;
        Click(form->hwnd(), rgb, rgb);
    }
    const ClipboardContents contents = ReadClipboard();
    EXPECT_EQ(contents.formats.count(CF_UNICODETEXT), 0u);
    EXPECT_EQ(contents.formats.count(CF_BITMAP), 1u);
    EXPECT_TRUE(played_.empty()) << "the click sound played for a copy that failed";
    EXPECT_TRUE(IsWindow(form->hwnd()));
    EXPECT_FALSE(DrainMessages()) << "the picker ended";

    Click(form->hwnd(), rgb, rgb);
    EXPECT_EQ(ReadClipboard().unicode, L"255,128,0") << "the next click copies again";
    EXPECT_EQ(played_.size(), 1u);
}

TEST_F(Form1Clicks, AnyButtonDragsFromTheFreeSurfaceButNotFromALabelOrTheNameBox) {
    const auto form = MakeForm();
    const HWND window = form->hwnd();
    const POINT free = FreePoint(*form);
    const UINT presses[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

    for (const UINT press : presses) {
        sent_.clear();
        SetCapture(window);
        SendMessageW(window, press, 0, At(free));
        ASSERT_EQ(sent_.size(), 1u) << "button message " << press;
        EXPECT_EQ(sent_[0].window, window);
        EXPECT_EQ(sent_[0].message, static_cast<UINT>(WM_NCLBUTTONDOWN));
        EXPECT_EQ(sent_[0].wParam, static_cast<WPARAM>(HTCAPTION));
        EXPECT_EQ(sent_[0].lParam, 0);
        EXPECT_EQ(GetCapture(), nullptr) << "the drag must not keep the capture the move loop needs";
    }

    sent_.clear();
    for (std::size_t i = 0; i < kForm1LabelCount; ++i) {
        // A label the skin does not show is no label: a press where it would be is a press on the surface.
        if (!form->Shows(static_cast<Form1Control>(i))) {
            continue;
        }
        const POINT centre = Centre(form->Label(static_cast<Form1Control>(i)).pixels);
        for (const UINT press : presses) {
            SendMessageW(window, press, 0, At(centre));
            // Released beside the label, so that no click follows.
            SendMessageW(window, WM_LBUTTONUP, 0, At(free));
        }
        EXPECT_TRUE(sent_.empty()) << "label " << i;
    }
    SendMessageW(form->Text1(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(form->Text1(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageW(form->Text1(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(sent_.empty()) << "a press in the name box";
    EXPECT_TRUE(played_.empty());
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(Form1Clicks, TheSwatchShowsTheAboutMessage) {
    const auto form = MakeForm();
    PutPictureAndPrivateData(clipboardUser_.get());
    MessageBoxAnswerer answerer(Widen(kAboutTitle));
    const POINT swatch = Centre(form->Label(Form1Control::lbl_Shape).pixels);
    Click(form->hwnd(), swatch, swatch);
    const std::optional<std::wstring>& text = answerer.Message();
    ASSERT_TRUE(text.has_value()) << "no message box titled " << kAboutTitle;

    wchar_t date[100] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 100, nullptr);
    EXPECT_EQ(*text, Widen(AboutText(Narrow(date))));
    EXPECT_EQ(text->rfind(L"Pixlin V3.0 ", 0), 0u) << Narrow(*text);
    EXPECT_TRUE(played_.empty());
    EXPECT_EQ(ReadClipboard().formats.count(CF_BITMAP), 1u);
    EXPECT_TRUE(IsWindow(form->hwnd()));
}

TEST_F(Form1Clicks, TheHotKeyFreezesAndResumesTheRunningPicker) {
    const auto form = MakeForm(RGB(255, 128, 0), true);
    const ATOM hotkey = GlobalFindAtomW(L"MyHotKey");
    ASSERT_NE(hotkey, 0);
    SetCursorPos(310, 420);
    ASSERT_TRUE(PumpClockTicks(3));
    ASSERT_EQ(Caption(form->hwnd()), "X:310   Y:420");

    EXPECT_EQ(SendMessageW(form->hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12)), 0);
    EXPECT_FALSE(form->Timer1().Enabled());
    const int readsWhenFrozen = reads_;
    SetCursorPos(330, 440);
    ASSERT_TRUE(PumpClockTicks(3));
    EXPECT_EQ(Caption(form->hwnd()), "X:310   Y:420");
    EXPECT_EQ(reads_, readsWhenFrozen);

    SendMessageW(form->hwnd(), WM_HOTKEY, static_cast<WPARAM>(hotkey) + 1, 0);
    EXPECT_FALSE(form->Timer1().Enabled()) << "another hot key's message";

    SendMessageW(form->hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
    EXPECT_TRUE(form->Timer1().Enabled());
    ASSERT_TRUE(PumpClockTicks(3));
    EXPECT_EQ(Caption(form->hwnd()), "X:330   Y:440");
}

// Only one window in the system holds Ctrl+F12, and one Ctrl+F11: a second picker runs without them and says nothing,
// and the first keeps them, also once the second has gone. No copy leaves a reference to a hot key's atom behind.
TEST_F(Form1Clicks, ASecondPickerRunsWithoutTheHotKeyAndSaysNothing) {
    auto first = MakeForm(RGB(255, 128, 0), true);
    const ATOM hotkey = GlobalFindAtomW(L"MyHotKey");
    ASSERT_NE(hotkey, 0);
    std::unique_ptr<Form1> second;
    {
        MessageBoxAnswerer anyBox(L"");
        second = MakeForm(RGB(255, 128, 0), true);
        ASSERT_NE(second->hwnd(), nullptr);
        EXPECT_TRUE(anyBox.Wait().empty()) << "the second picker showed a message";
    }

    SendMessageW(second->hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
    EXPECT_TRUE(second->Timer1().Enabled()) << "the second picker took a hot key it does not hold";
    const ATOM copyKey = GlobalFindAtomW(L"PixlinCopyKey");
    ASSERT_NE(copyKey, 0);
    SetCursorPos(303, 400);
    second->Timer1_Timer();
    PutPictureAndPrivateData(clipboardUser_.get());
    SendMessageW(second->hwnd(), WM_HOTKEY, copyKey, MAKELPARAM(MOD_CONTROL, VK_F11));
    EXPECT_EQ(ReadClipboard().formats.count(CF_UNICODETEXT), 0u) << "the second picker took the copy key";
    SendMessageW(first->hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
    EXPECT_FALSE(first->Timer1().Enabled());

    second.reset();
    const TestWindow other;
    EXPECT_FALSE(RegisterHotKey(other.get(), 1, MOD_CONTROL, VK_F12)) << "the first picker lost the hot key";
    EXPECT_FALSE(RegisterHotKey(other.get(), 2, MOD_CONTROL, VK_F11)) << "the first picker lost the copy key";
    SendMessageW(first->hwnd(), WM_HOTKEY, hotkey, MAKELPARAM(MOD_CONTROL, VK_F12));
    EXPECT_TRUE(first->Timer1().Enabled());

    first.reset();
    EXPECT_EQ(GlobalFindAtomW(L"MyHotKey"), 0);
    EXPECT_EQ(GlobalFindAtomW(L"PixlinCopyKey"), 0);
    EXPECT_TRUE(RegisterHotKey(other.get(), 1, MOD_CONTROL, VK_F12));
    EXPECT_TRUE(RegisterHotKey(other.get(), 2, MOD_CONTROL, VK_F11));
    UnregisterHotKey(other.get(), 1);
    UnregisterHotKey(other.get(), 2);
}

}  // namespace
}  // namespace pixlin
