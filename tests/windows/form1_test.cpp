#include "picker/form1.h"

#include "support/bmp_file.h"
#include "support/message_box_answerer.h"
#include "support/reference_colours.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/system_error_text.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace pixlin {
namespace {

using testing::Caption;
using testing::DrainMessages;
using testing::MessageBoxAnswerer;
using testing::ReferenceColour;
using testing::ReferenceColours;
using testing::ScratchDir;
using testing::SolidBmp;
using testing::StartPicker;
using testing::TestWindow;

constexpr char kLayout[] = "rgb=170,40,116,16,16117996\r\nquit=271,11,19,19\r\n";

// A key pressed while the name box has the focus, handed on as the program's message loop does.
void PressInNameBox(Form1& form, WPARAM key) {
    const MSG message{form.Text1(), WM_KEYDOWN, key, 0, 0, {}};
    if (!form.PreviewKey(message)) {
        DispatchMessageW(&message);
    }
}

// A topmost patch of one colour on the screen, for the picker to sample.
class ColourPatch {
public:
    explicit ColourPatch(RECT place) {
        static const ATOM windowClass = [] {
            WNDCLASSEXW description{};
            description.cbSize = sizeof(description);
            description.lpfnWndProc = PatchProc;
            description.hInstance = GetModuleHandleW(nullptr);
            description.lpszClassName = L"PixlinTestColourPatch";
            return RegisterClassExW(&description);
        }();
        window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MAKEINTATOM(windowClass), L"patch", WS_POPUP,
                                  place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
    ColourPatch(const ColourPatch&) = delete;
    ColourPatch& operator=(const ColourPatch&) = delete;
    ~ColourPatch() { DestroyWindow(window_); }

    // Paints the patch and waits until the screen shows it at the point.
    bool Show(COLORREF colour, POINT at) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
        return testing::UntilShown([&] { return GetPixel(WindowDc(nullptr).get(), at.x, at.y) == colour; });
    }

private:
    static LRESULT CALLBACK PatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) {
            RECT all{};
            GetClientRect(window, &all);
            const Brush fill(CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA))));
            FillRect(reinterpret_cast<HDC>(wParam), &all, fill.get());
            return 1;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_;
};

// Program directory of the tests: a name with characters outside any ANSI code page, as users' folders have.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() : programDir_(scratch_.Path(L"Farbw\u00e4hler \u753b")) {
        CreateDirectoryW(programDir_.c_str(), nullptr);
    }
    ~Form1Test() override {
        for (const wchar_t* name : {L"pixlin.dat0", L"pixlin.dat1"}) {
            DeleteFileW((programDir_ + L"\\" + name).c_str());
        }
        RemoveDirectoryW(programDir_.c_str());
        DrainMessages();
    }

    void WriteFile(const wchar_t* name, const std::string& bytes) const {
        const HANDLE file = CreateFileW((programDir_ + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    void WriteSkin() const {
        WriteFile(L"pixlin.dat0", kLayout);
        WriteFile(L"pixlin.dat1", SolidBmp(kSkinWidth, kSkinHeight, RGB(40, 44, 52)));
    }

    // A picker whose timer is stopped, so that only the test's own ticks sample.
    std::unique_ptr<Form1> MakeForm(PixelReader reader = ::GetPixel) {
        Form1Args args;
        args.programDirectory = programDir_;
        args.readPixel = std::move(reader);
        return StartPicker(std::move(args));
    }

    static constexpr int kSkinWidth = 300;
    static constexpr int kSkinHeight = 232;

    ScratchDir scratch_;
    std::wstring programDir_;
};

void ExpectReadouts(const Form1& form, const ReferenceColour& row) {
    EXPECT_EQ(form.Label(Form1Control::lbl_LONG).caption, row.longValue);
    EXPECT_EQ(form.Label(Form1Control::lbl_RGB).caption, row.rgb);
    EXPECT_EQ(form.Label(Form1Control::lbl_HEX).caption, row.hex);
    EXPECT_EQ(Caption(form.Text1()), row.name);
    EXPECT_EQ(form.Label(Form1Control::lbl_YCBCR).caption, row.ycbcr);
    EXPECT_EQ(form.Label(Form1Control::lbl_CMYK).caption, row.cmyk);
    EXPECT_EQ(form.Label(Form1Control::lbl_CMY).caption, row.cmy);
    EXPECT_EQ(form.Label(Form1Control::lbl_HLS).caption, row.hls);
    EXPECT_EQ(form.Shape1().fillColor, std::optional<COLORREF>(row.colour));
    EXPECT_EQ(form.Picture1().BackColor(), row.colour);
}

TEST_F(Form1Test, ShowsTheColourUnderThePointerInEveryReadout) {
    WriteSkin();
    const auto form = MakeForm();
    ASSERT_NE(form->hwnd(), nullptr);
    for (const Form1Control label : {Form1Control::lbl_RGB, Form1Control::lbl_HLS, Form1Control::lbl_LONG}) {
        EXPECT_EQ(form->Label(label).caption, "") << "before the first tick";
    }
    ColourPatch patch(RECT{100, 500, 180, 560});
    int x = 110;
    for (const ReferenceColour& row : ReferenceColours()) {
        const POINT at{x++, 530};
        ASSERT_TRUE(patch.Show(row.colour, at)) << row.rgb;
        SetCursorPos(at.x, at.y);
        form->Timer1_Timer();
        EXPECT_EQ(Caption(form->hwnd()), "X:" + std::to_string(at.x) + "   Y:530");
        ExpectReadouts(*form, row);
    }
}

TEST_F(Form1Test, ATickWhileThePointerRestsReadsNothing) {
    WriteSkin();
    int reads = 0;
    const auto form = MakeForm([&reads](HDC dc, int x, int y) {
        ++reads;
        return GetPixel(dc, x, y);
    });
    SetCursorPos(300, 400);
    form->Timer1_Timer();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(Caption(form->hwnd()), "X:300   Y:400");

    SetWindowTextW(form->hwnd(), L"untouched");
    form->Timer1_Timer();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(Caption(form->hwnd()), "untouched");

    SetCursorPos(300, 401);
    form->Timer1_Timer();
    EXPECT_EQ(reads, 2) << "a move in y alone samples";
    EXPECT_EQ(Caption(form->hwnd()), "X:300   Y:401");
}

// The copy goes aside, never into the skin's picture: its corner pixel is the key colour the cut-out is made with.
TEST_F(Form1Test, AnUnreadablePixelIsCopiedAsideAndReadThere) {
    WriteSkin();
    ColourPatch patch(RECT{100, 500, 180, 560});
    ASSERT_TRUE(patch.Show(RGB(255, 128, 0), POINT{120, 520}));
    std::vector<HDC> readFrom;
    std::unique_ptr<Form1> form;
    form = MakeForm([&](HDC dc, int x, int y) -> COLORREF {
        readFrom.push_back(dc);
        if (readFrom.size() == 1) {
            return CLR_INVALID;
        }
        EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
        return GetPixel(dc, x, y);
    });
    SetCursorPos(120, 520);
    form->Timer1_Timer();
    ASSERT_EQ(readFrom.size(), 2u);
    EXPECT_EQ(GetPixel(form->Picture1().Image().dc(), 0, 0), RGB(40, 44, 52)) << "the skin's picture was written into";
    EXPECT_EQ(form->Label(Form1Control::lbl_RGB).caption, "255,128,0");
    EXPECT_EQ(form->Label(Form1Control::lbl_HLS).caption, "90,50,100");
    EXPECT_EQ(form->Shape1().fillColor, std::optional<COLORREF>(RGB(255, 128, 0)));
}

TEST_F(Form1Test, APixelUnreadableBothWaysShowsNoColour) {
    WriteSkin();
    bool readable = true;
    const auto form =
        MakeForm([&readable](HDC dc, int x, int y) { return readable ? GetPixel(dc, x, y) : COLORREF{CLR_INVALID}; });
    SetCursorPos(200, 300);
    form->Timer1_Timer();
    ASSERT_NE(form->Label(Form1Control::lbl_RGB).caption, "");

    readable = false;
    SetCursorPos(201, 300);
    form->Timer1_Timer();
    EXPECT_EQ(Caption(form->hwnd()), "X:201   Y:300");
    for (const Form1Control label :
         {Form1Control::lbl_LONG, Form1Control::lbl_RGB, Form1Control::lbl_HEX, Form1Control::lbl_YCBCR,
          Form1Control::lbl_CMYK, Form1Control::lbl_CMY, Form1Control::lbl_HLS}) {
        EXPECT_EQ(form->Label(label).caption, "") << static_cast<int>(label);
    }
    EXPECT_EQ(Caption(form->Text1()), "");
    EXPECT_FALSE(form->Shape1().fillColor.has_value());
}

TEST_F(Form1Test, StartsVisibleTopmostAndSizedToTheSkinInTheTopRightCorner) {
    WriteFile(L"pixlin.dat0", kLayout);
    WriteFile(L"pixlin.dat1", SolidBmp(120, 90, RGB(40, 44, 52)));
    const auto form = MakeForm();
    ASSERT_NE(form->hwnd(), nullptr);
    RECT place{};
    GetWindowRect(form->hwnd(), &place);
    EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.left, GetSystemMetrics(SM_CXSCREEN) - 120);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.bottom, 90);
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
    const LONG_PTR extended = GetWindowLongPtrW(form->hwnd(), GWL_EXSTYLE);
    EXPECT_NE(extended & WS_EX_TOPMOST, 0);
    EXPECT_NE(extended & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetWindowLongPtrW(form->hwnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(form->Timer1().Interval(), 10u);
}

TEST_F(Form1Test, AMissingSkinBitmapIsNoFailure) {
    WriteFile(L"pixlin.dat0", kLayout);
    const auto form = MakeForm();
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
    RECT place{};
    GetWindowRect(form->hwnd(), &place);
    EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.top, 0);
}

TEST_F(Form1Test, AMissingLayoutFileIsShownAndEndsTheProgram) {
    WriteFile(L"pixlin.dat1", SolidBmp(kSkinWidth, kSkinHeight, RGB(40, 44, 52)));
    MessageBoxAnswerer answerer(std::to_wstring(ERROR_FILE_NOT_FOUND));
    const auto form = MakeForm();
    const std::vector<std::wstring>& texts = answerer.Wait();
    ASSERT_FALSE(texts.empty()) << "no message box titled 2";
    const std::wstring expected = SystemErrorText(ERROR_FILE_NOT_FOUND) + L"\r\npixlin.dat0";
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << Narrow(expected);
    EXPECT_EQ(form->hwnd(), nullptr);
    EXPECT_TRUE(DrainMessages());
}

// A skin author's editor may keep the layout file open for writing, or ready to replace it on save.
TEST_F(Form1Test, ALayoutFileAnEditorHoldsOpenIsReadAsUsual) {
    WriteSkin();
    const HANDLE editor = CreateFileW((programDir_ + L"\\pixlin.dat0").c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    // Should the open fail, its error box is answered instead of waiting for a user.
    MessageBoxAnswerer answerer(std::to_wstring(ERROR_SHARING_VIOLATION));
    const auto form = MakeForm();
    CloseHandle(editor);

    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
    EXPECT_EQ(form->Label(Form1Control::lbl_RGB).pixels.left, 170) << "the layout was not applied";
    EXPECT_TRUE(answerer.Wait().empty());
}

// Every way of closing runs the query-unload handler, which frees Ctrl+F12 for others, and ends the program.
TEST_F(Form1Test, EveryCloseUnloadsAndEnds) {
    const struct {
        const char* how;
        void (*close)(Form1& form);
    } rows[] = {
        {"Esc", [](Form1& form) { SendMessageW(form.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Esc in the name box", [](Form1& form) { PressInNameBox(form, VK_ESCAPE); }},
        {"Label3",
         [](Form1& form) {
             const PixelRect quit = form.Label(Form1Control::Label3).pixels;
             const LPARAM centre = MAKELPARAM((quit.left + quit.right) / 2, (quit.top + quit.bottom) / 2);
             SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
             SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, centre);
         }},
        {"close command", [](Form1& form) { SendMessageW(form.hwnd(), WM_CLOSE, 0, 0); }},
        {"session end", [](Form1& form) { SendMessageW(form.hwnd(), WM_ENDSESSION, TRUE, 0); }},
    };
    WriteSkin();
    const TestWindow other;
    for (const auto& row : rows) {
        const auto form = MakeForm();
        ASSERT_NE(form->hwnd(), nullptr) << row.how;
        const HWND window = form->hwnd();
        EXPECT_FALSE(RegisterHotKey(other.get(), 1, MOD_CONTROL, VK_F12)) << row.how << ": the picker holds it";

        row.close(*form);
        EXPECT_FALSE(IsWindow(window)) << row.how;
        EXPECT_TRUE(DrainMessages()) << row.how;
        EXPECT_TRUE(RegisterHotKey(other.get(), 1, MOD_CONTROL, VK_F12)) << row.how;
        UnregisterHotKey(other.get(), 1);
    }
}

TEST_F(Form1Test, OtherKeysAndClicksBesideTheQuitControlKeepTheWindow) {
    WriteSkin();
    const auto form = MakeForm();
    SendMessageW(form->hwnd(), WM_KEYDOWN, 'A', 0);
    PressInNameBox(*form, VK_RETURN);
    const PixelRect quit = form->Label(Form1Control::Label3).pixels;
    // Pressed on the quit control but released beside it: no click.
    SendMessageW(form->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(quit.left + 1, quit.top + 1));
    SendMessageW(form->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(quit.right + 5, quit.top + 1));
    EXPECT_TRUE(IsWindow(form->hwnd()));
    EXPECT_FALSE(DrainMessages());
}

// While a failure's message shows, the window still answers paint requests: a handler that failed, and the ones the
// guard no longer runs, must leave nothing to repaint, or WM_PAINT comes back at once and the program spins.
TEST_F(Form1Test, AFailedHandlerLeavesNothingToRepaintWhileItsMessageShows) {
    WriteSkin();
    int paints = -1;
    Form1Args args;
    args.programDirectory = programDir_;
    args.readPixel = [](HDC, int, int) -> COLORREF { ThrowOverflow(); };
    // As a message box does: messages go on being dispatched while it shows.
    args.reportFailure = [&paints](HWND owner, int, const std::string&) {
        InvalidateRect(owner, nullptr, FALSE);
        paints = 0;
        const DWORD start = GetTickCount();
        MSG message{};
        while (GetTickCount() - start < 200) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(1);
                continue;
            }
            paints += message.message == WM_PAINT ? 1 : 0;
            DispatchMessageW(&message);
        }
    };
    const auto form = StartPicker(std::move(args));
    ASSERT_NE(form->hwnd(), nullptr);
    SetCursorPos(310, 410);
    SendMessageW(form->hwnd(), WM_TIMER, form->Timer1().id(), 0);
    ASSERT_GE(paints, 0) << "the sampling tick did not fail";
    EXPECT_LE(paints, 1);
}

}  // namespace
}  // namespace pixlin
