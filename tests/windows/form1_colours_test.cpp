#include "picker/form1.h"

#include "core/palette/colour_store.h"
#include "core/palette/palette.h"
#include "support/message_box_answerer.h"
#include "support/scratch_dir.h"
#include "support/test_picker.h"
#include "support/test_window.h"
#include "support/window_input.h"
#include "win32/user_setting.h"
#include "win32/whole_file.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using testing::Centre;
using testing::DrainMessages;
using testing::MessageBoxAnswerer;
using testing::ScratchDir;
using testing::StartPicker;

using C = Form1Control;

// The swatch, four history swatches of 20 pixels, the pair's two readouts and the state line.
constexpr char kLayout[] =
    "csshex=10,200,140,16,0\r\ncontrast=160,240,160,16,0\r\napca=160,220,140,16,0\r\nstate=160,260,190,16,0\r\n"
    "preview=200,300,40,40\r\nhistory=10,280,80,12,4\r\n";

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(0x88, 0x88, 0x88);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour.r, colour.g, colour.b);
    return text;
}

// The history as the window shows it, left to right, "*" after a pinned colour.
std::string HistoryShown(const Form1& form) {
    std::string shown;
    for (const HistoryEntry& entry : form.History().Entries()) {
        if (!shown.empty()) {
            shown += ' ';
        }
        shown += Hex(entry.colour);
        if (entry.pinned) {
            shown += '*';
        }
    }
    return shown;
}

std::string PairShown(const Form1& form) {
    const ContrastPair& pair = form.Pair();
    return (pair.fixedText ? Hex(*pair.fixedText) : "-") + "/" +
           (pair.fixedBackground ? Hex(*pair.fixedBackground) : "-");
}

class Form1ColoursTest : public ::testing::Test {
protected:
    Form1ColoursTest() {
        static int counter = 0;
        settingsKey_ =
            L"Software\\PixlinTests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    }
    ~Form1ColoursTest() override {
        DrainMessages();
        RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey_.c_str());
        // Gone once no test of this run uses it any more.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\PixlinTests");
    }

    std::unique_ptr<Form1> Start() {
        program_.Write(L"pixlin.dat0", kLayout);
        Form1Args args;
        args.programDirectory = program_.Root();
        args.readPixel = [this](HDC, int, int) { return colour_; };
        args.playWave = [](const std::wstring&, int16_t) {};
        args.writeClipboard = [](HWND, std::string_view) { return true; };
        args.sendMessage = [this](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
            drags_ += message == WM_NCLBUTTONDOWN ? 1 : 0;
            return 0;
        };
        args.chooseColourCommand = [this](HWND, std::span<const ColourMenuItem> items,
                                          POINT) -> std::optional<ColourCommand> {
            menu_.assign(items.begin(), items.end());
            ++menus_;
            if (whileMenuIsUp_) {
                whileMenuIsUp_();
            }
            for (const ColourMenuItem& item : items) {
                if (item.text == choice_ && item.enabled) {
                    return item.command;
                }
            }
            return std::nullopt;
        };
        args.askExportFile = [this](HWND) {
            ++asks_;
            return exportPath_;
        };
        args.askImportFile = [this](HWND) {
            ++asks_;
            return importPath_;
        };
        args.keepingPlace = KeepingPlace{kept_.Root(), settingsKey_};
        return StartPicker(std::move(args));
    }

    void Sample(Form1& form, COLORREF colour) {
        colour_ = colour;
        SetCursorPos(300 + ++moves_ % 200, 400);
        form.Timer1_Timer();
    }

    static void PressCopyKey(const Form1& form) {
        SendMessageW(form.hwnd(), WM_HOTKEY, GlobalFindAtomW(L"PixlinCopyKey"), MAKELPARAM(MOD_CONTROL, VK_F11));
    }

    void Copy(Form1& form, COLORREF colour) {
        Sample(form, colour);
        PressCopyKey(form);
    }

    // The right button pressed and released at a point of the client area, choosing the item of that text.
    void RightClick(const Form1& form, POINT point, std::string_view choose) {
        choice_ = choose;
        SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, testing::At(point));
        SendMessageW(form.hwnd(), WM_RBUTTONUP, 0, testing::At(point));
    }

    POINT Swatch(const Form1& form, int index) const {
        const PixelRect box = *form.History().Box();
        return {box.left + 20 * index + 10, box.top + 6};
    }

    // Shift+F10 as the system turns it into a message: the menu for the current colour.
    void KeyboardMenu(const Form1& form, std::string_view choose) {
        choice_ = choose;
        SendMessageW(form.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.hwnd()), -1);
    }

    std::vector<std::string> MenuTexts() const {
        std::vector<std::string> texts;
        for (const ColourMenuItem& item : menu_) {
            texts.emplace_back(item.text);
        }
        return texts;
    }

    std::string KeptFile(std::wstring_view name) const {
        return ReadSmallFile(kept_.Path(name), kMaxStoreBytes + 1).bytes;
    }

    ScratchDir program_;
    ScratchDir kept_;
    std::wstring settingsKey_;
    COLORREF colour_ = kBlack;
    int moves_ = 0;
    int drags_ = 0;
    int menus_ = 0;
    std::string_view choice_;
    std::vector<ColourMenuItem> menu_;
    std::optional<std::wstring> exportPath_;
    std::optional<std::wstring> importPath_;
    std::function<void()> whileMenuIsUp_;
    int asks_ = 0;
};

// Each row works the menu on a history swatch (0 to 3) or the current colour (-1) and gives the history after it. Red,
// green and blue were copied in that order; the current colour is grey.
TEST_F(Form1ColoursTest, PinsStayLeftAndNeverScrollOutRemoveTakesOneOut) {
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    for (const COLORREF colour : {kRed, kGreen, kBlue}) {
        Copy(*form, colour);
    }
    Sample(*form, kGrey);
    ASSERT_EQ(HistoryShown(*form), "0000FF 00FF00 FF0000");
    const struct {
        int swatch;
        const char* choose;
        const char* history;
        // Copied after the menu.
        std::optional<COLORREF> copy;
    } rows[] = {
        {2, "&Pin", "FF0000* 0000FF 00FF00", std::nullopt},
        {2, "&Pin", "FF0000* 00FF00* 0000FF", std::nullopt},
        // Two new copies: the pins stay, the oldest unpinned colour drops off.
        {-1, "", "FF0000* 00FF00* 888888 0000FF", kGrey},
        {-1, "", "FF0000* 00FF00* FFFFFF 888888", kWhite},
        {3, "&Pin", "FF0000* 00FF00* 888888* FFFFFF", std::nullopt},
        // Pins leave one place for a copy: no fourth pin.
        {3, "&Pin", "FF0000* 00FF00* 888888* FFFFFF", std::nullopt},
        {0, "Un&pin", "00FF00* 888888* FF0000 FFFFFF", std::nullopt},
        {3, "&Remove", "00FF00* 888888* FF0000", std::nullopt},
        {0, "&Remove", "888888* FF0000", std::nullopt},
        // The current colour (black, which the history does not hold) pinned without a copy.
        {-1, "&Pin", "888888* 000000* FF0000", std::nullopt},
        {-1, "Un&pin", "888888* 000000 FF0000", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.history);
        if (row.swatch == -1 && row.copy) {
            Copy(*form, *row.copy);
        } else if (row.swatch == -1) {
            Sample(*form, kBlack);
            RightClick(*form, Centre(form->Shape1().pixels), row.choose);
        } else {
            RightClick(*form, Swatch(*form, row.swatch), row.choose);
        }
        EXPECT_EQ(HistoryShown(*form), row.history);
    }
    // A menu on the history offers Remove, one on the current colour does not.
    RightClick(*form, Swatch(*form, 1), "");
    EXPECT_EQ(MenuTexts()[0], "&Pin");
    EXPECT_EQ(MenuTexts()[3], "&Remove");
    KeyboardMenu(*form, "");
    EXPECT_EQ(MenuTexts()[0], "&Pin");
    EXPECT_EQ(MenuTexts()[3], "&Export colours\xE2\x80\xA6");

    // The right button drags from the bare surface only; an empty swatch neither drags nor opens a menu.
    const int menus = menus_;
    RightClick(*form, {5, 5}, "");
    RightClick(*form, Swatch(*form, 3), "");
    RightClick(*form, Centre(form->History().Box().value()), "");
    EXPECT_EQ(drags_, 1);
    EXPECT_EQ(menus_, menus + 1) << "only the filled swatch opened the menu";
    EXPECT_TRUE(kept_.Files().empty()) << "keeping is off: nothing written";
}

// A pinned swatch carries its mark in the top-left corner, black on light colours, white on dark ones; the rest of the
// swatch shows its colour.
TEST_F(Form1ColoursTest, APinnedSwatchShowsItsMark) {
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    Copy(*form, kWhite);
    Copy(*form, kBlue);
    RightClick(*form, Swatch(*form, 0), "&Pin");
    RightClick(*form, Swatch(*form, 1), "&Pin");
    ASSERT_EQ(HistoryShown(*form), "0000FF* FFFFFF*");
    const PixelRect box = *form->History().Box();
    const auto pixel = [&form](int x, int y) {
        const HDC dc = GetDC(form->hwnd());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(form->hwnd(), dc);
        return colour;
    };
    EXPECT_TRUE(testing::UntilShown([&] {
        return pixel(box.left, box.top) == kWhite && pixel(box.left + 20, box.top) == kBlack &&
               pixel(box.left + 3, box.top) == kWhite && pixel(box.left + 4, box.top) == kBlue &&
               pixel(box.left, box.top + 4) == kBlue && pixel(box.left + 19, box.top + 11) == kBlue &&
               pixel(box.left + 39, box.top + 11) == kWhite;
    })) << "the four-pixel mark of a 20 x 12 swatch";
}

// Each row: what the menu sets, on which colour, and what the pair's readouts then say while the pointer is over grey,
// then white. White was copied last. The APCA values are those its authors publish: #888888 on white Lc 63.1, white on
// #888888 Lc -68.5.
TEST_F(Form1ColoursTest, TheFixedSidesOfThePairAndWhatFollows) {
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    Copy(*form, kBlack);
    Copy(*form, kGrey);
    Copy(*form, kWhite);
    ASSERT_EQ(HistoryShown(*form), "FFFFFF 888888 000000");
    constexpr char kDot[] = " \xC2\xB7 ";
    const std::string grey = "3.54:1 AA large";
    const std::string same = "1.00:1 fail";
    const struct {
        int swatch;
        const char* choose;
        const char* pair;
        std::string overGrey[2];
        std::string overWhite[2];
    } rows[] = {
        // Neither fixed: the text is the white copied last, the background the current colour.
        {0, "", "-/-", {grey, "Lc -68.5"}, {same, "Lc 0.0"}},
        {0, "Set as &background", "-/FFFFFF", {grey + kDot + "bg set", "Lc 63.1"}, {same + kDot + "bg set", "Lc 0.0"}},
        {0,
         "Set as &text colour",
         "FFFFFF/FFFFFF",
         {same + kDot + "both set", "Lc 0.0"},
         {same + kDot + "both set", "Lc 0.0"}},
        {1,
         "Set as &background",
         "FFFFFF/888888",
         {grey + kDot + "both set", "Lc -68.5"},
         {grey + kDot + "both set", "Lc -68.5"}},
        // Let go from a swatch of another colour.
        {2,
         "Let back&ground follow",
         "FFFFFF/-",
         {grey + kDot + "text set", "Lc -68.5"},
         {same + kDot + "text set", "Lc 0.0"}},
        {1, "Let text colour &follow", "-/-", {grey, "Lc -68.5"}, {same, "Lc 0.0"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pair);
        RightClick(*form, Swatch(*form, row.swatch), row.choose);
        EXPECT_EQ(PairShown(*form), row.pair);
        Sample(*form, kGrey);
        EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, row.overGrey[0]);
        EXPECT_EQ(form->Label(C::lbl_APCA).caption, row.overGrey[1]);
        Sample(*form, kWhite);
        EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, row.overWhite[0]);
        EXPECT_EQ(form->Label(C::lbl_APCA).caption, row.overWhite[1]);
    }
    // From the keyboard the menu is the current colour's: white, now the text colour over black.
    KeyboardMenu(*form, "Set as &text colour");
    EXPECT_EQ(PairShown(*form), "FFFFFF/-");
    Sample(*form, kBlack);
    EXPECT_EQ(form->Label(C::lbl_APCA).caption, "Lc -107.9");
    EXPECT_EQ(form->Label(C::lbl_CONTRAST).caption, std::string("21.00:1 AAA") + kDot + "text set");
}

// In the name box, the edit control's own context menu keys open the colours' menu for the current colour instead;
// other keys go on to the box as before.
TEST_F(Form1ColoursTest, TheNameBoxsMenuKeysOpenTheColoursMenu) {
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    Sample(*form, kGrey);
    const struct {
        UINT message;
        WPARAM key;
        bool shift;
        bool swallowed;
        int menus;
    } rows[] = {
        {WM_SYSKEYDOWN, VK_F10, true, true, 1}, {WM_SYSKEYDOWN, VK_F10, false, false, 0},
        {WM_KEYDOWN, VK_APPS, false, true, 0},  {WM_KEYUP, VK_APPS, false, true, 1},
        {WM_KEYDOWN, VK_RIGHT, true, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = row.shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const int menus = menus_;
        MSG message{form->Text1(), row.message, row.key, 0, 0, {}};
        EXPECT_EQ(form->PreviewKey(message), row.swallowed);
        EXPECT_EQ(menus_ - menus, row.menus);
        if (row.menus == 1) {
            EXPECT_EQ(menu_[0].text, "&Pin") << "the current colour's menu";
            EXPECT_EQ(menu_.size(), 6u) << "no Remove";
        }
    }
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// The menu's loop answers messages sent to the thread; when one of them ends the session, the item chosen does
// nothing to the window that is gone, and nothing is asked for.
TEST_F(Form1ColoursTest, AMenuOutlivingItsWindowTouchesNothing) {
    for (const char* item : {"&Pin", "&Import colours\xE2\x80\xA6", "Set as &text colour"}) {
        SCOPED_TRACE(item);
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        Copy(*form, kRed);
        const HWND window = form->hwnd();
        whileMenuIsUp_ = [window] { SendMessageW(window, WM_ENDSESSION, TRUE, 0); };
        const int asks = asks_;
        RightClick(*form, Swatch(*form, 0), item);
        whileMenuIsUp_ = nullptr;
        EXPECT_EQ(form->hwnd(), nullptr);
        EXPECT_EQ(HistoryShown(*form), "FF0000");
        EXPECT_EQ(PairShown(*form), "-/-");
        EXPECT_EQ(asks_, asks);
    }
}

// Until keeping is turned on nothing is written, not even the registry; turned on, the history with its pins and the
// pair come back in the next window; turned off, the file stays as it was and the next window starts empty.
TEST_F(Form1ColoursTest, KeptColoursComeBackInTheNextWindowOnlyWhileKeepingIsOn) {
    std::string keptBytes;
    {
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        Copy(*form, kRed);
        Copy(*form, kGreen);
        RightClick(*form, Swatch(*form, 1), "&Pin");
        RightClick(*form, Swatch(*form, 0), "Set as &text colour");
        EXPECT_TRUE(kept_.Files().empty());
        HKEY key = nullptr;
        EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, settingsKey_.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);

        KeyboardMenu(*form, "&Keep colours between runs");
        EXPECT_TRUE(form->KeepsColours());
        EXPECT_TRUE(ReadUserFlag(settingsKey_, L"KeepColours"));
        ASSERT_EQ(kept_.Files(), std::vector<std::wstring>{L"colours.json"})
            << "written at once, no temporary file left";
        Copy(*form, kBlue);
        EXPECT_EQ(HistoryShown(*form), "FF0000* 0000FF 00FF00");
        keptBytes = KeptFile(L"colours.json");
        const StoreRead read = ReadColourStore(keptBytes);
        ASSERT_EQ(read.state, StoreState::Fine);
        EXPECT_EQ(read.colours.history.size(), 3u) << "saved after the copy";
        EXPECT_EQ(read.colours.contrast.fixedText, (Rgb{255, 0, 0}));
    }
    {
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        EXPECT_EQ(HistoryShown(*form), "FF0000* 0000FF 00FF00");
        EXPECT_EQ(PairShown(*form), "FF0000/-");
        EXPECT_EQ(form->History().Entries()[1].pickedAt, (Point{303, 400})) << "where blue was picked";
        KeyboardMenu(*form, "&Keep colours between runs");
        EXPECT_TRUE(menu_.back().checked) << "the menu showed keeping as on";
        EXPECT_FALSE(form->KeepsColours());
        Copy(*form, kWhite);
        RightClick(*form, Swatch(*form, 0), "Let text colour &follow");
        EXPECT_EQ(KeptFile(L"colours.json"), keptBytes) << "left as it was when keeping was turned off";
    }
    const auto form = Start();
    ASSERT_NE(form->hwnd(), nullptr);
    EXPECT_EQ(HistoryShown(*form), "");
    EXPECT_EQ(PairShown(*form), "-/-");
    EXPECT_EQ(kept_.Files(), std::vector<std::wstring>{L"colours.json"});
}

// A file the window cannot read is moved aside next to itself, never written over: the window starts empty, the state
// line says so once, and the next change is kept in a new file.
TEST_F(Form1ColoursTest, AKeptFileThatCannotBeReadIsMovedAside) {
    const struct {
        std::string bytes;
        const char* aside;
        const char* notice;
    } rows[] = {
        {"{\"format\": \"pixlin-colours\", \"version\": 1, \"history\": [", "colours.json.damaged-",
         "Kept file damaged \xC2\xB7 moved aside"},
        {"{\"format\": \"pixlin-colours\", \"version\": 1, \"history\": [{\"hex\": \"#12\"}], \"contrast\": {}}",
         "colours.json.damaged-", "Kept file damaged \xC2\xB7 moved aside"},
        {"[1, 2, 3]", "colours.json.foreign-", "Kept file not Pixlin's \xC2\xB7 moved aside"},
        {"{\"format\": \"pixlin-colours\", \"version\": 2}", "colours.json.newer-",
         "Kept file too new \xC2\xB7 moved aside"},
        {std::string(kMaxStoreBytes + 1, ' '), "colours.json.too-large-", "Kept file too large \xC2\xB7 moved aside"},
    };
    ASSERT_TRUE(WriteUserFlag(settingsKey_, L"KeepColours", true));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.aside);
        ASSERT_TRUE(WriteWholeFile(kept_.Path(L"colours.json"), row.bytes));
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        EXPECT_EQ(HistoryShown(*form), "");
        EXPECT_EQ(form->Label(C::lbl_STATE).caption, row.notice);
        const std::vector<std::wstring> files = kept_.Files();
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(Narrow(files[0]).rfind(row.aside, 0), 0u) << Narrow(files[0]);
        EXPECT_EQ(Narrow(files[0]).size(), std::string(row.aside).size() + 15) << "date and time: 20261209-101500";
        EXPECT_EQ(KeptFile(files[0]), row.bytes);

        Copy(*form, kRed);
        EXPECT_EQ(ReadColourStore(KeptFile(L"colours.json")).colours.history.size(), 1u);
        EXPECT_EQ(KeptFile(files[0]), row.bytes);
        // Said once: the hot key brings the state back.
        SendMessageW(form->hwnd(), WM_HOTKEY, GlobalFindAtomW(L"MyHotKey"), MAKELPARAM(MOD_CONTROL, VK_F12));
        EXPECT_EQ(form->Label(C::lbl_STATE).caption, "Live \xC2\xB7 Ctrl+F12 freezes");
        DeleteFileW(kept_.Path(files[0]).c_str());
        DeleteFileW(kept_.Path(L"colours.json").c_str());
    }
}

// Each format written holds the history in order, pinned first, and reads back as the same colours; a style sheet is
// written but not read.
TEST_F(Form1ColoursTest, ExportedColoursImportAsTheSameColours) {
    const auto source = Start();
    ASSERT_NE(source->hwnd(), nullptr);
    for (const COLORREF colour : {RGB(255, 128, 0), RGB(1, 2, 3), RGB(0x1E, 0x90, 0xFF), RGB(250, 250, 250)}) {
        Copy(*source, colour);
    }
    RightClick(*source, Swatch(*source, 3), "&Pin");
    const std::string order = HistoryShown(*source);
    ASSERT_EQ(order, "FF8000* FAFAFA 1E90FF 010203");
    for (const wchar_t* name : {L"out.gpl", L"out.ase", L"out.json", L"out.css"}) {
        SCOPED_TRACE(Narrow(name));
        exportPath_ = program_.Path(name);
        RightClick(*source, Swatch(*source, 0), "&Export colours\xE2\x80\xA6");
        const std::string written = ReadSmallFile(*exportPath_, 1 << 20).bytes;
        ASSERT_FALSE(written.empty());
        if (std::wstring_view(name) == L"out.css") {
            EXPECT_NE(written.find("#FF8000"), std::string::npos);
            importPath_ = exportPath_;
            const auto target = Start();
            MessageBoxAnswerer answerer(L"Import colours");
            KeyboardMenu(*target, "&Import colours\xE2\x80\xA6");
            EXPECT_NE(answerer.Message().value_or(L"").find(L"reads GIMP palettes"), std::wstring::npos);
            EXPECT_EQ(HistoryShown(*target), "");
            continue;
        }
        if (std::wstring_view(name) == L"out.gpl") {
            EXPECT_NE(written.find("255 128   0\t\xE2\x89\x88 darkorange - dunkles Orange"), std::string::npos)
                << written;
        }
        importPath_ = exportPath_;
        const auto target = Start();
        KeyboardMenu(*target, "&Import colours\xE2\x80\xA6");
        EXPECT_EQ(HistoryShown(*target), "FF8000 FAFAFA 1E90FF 010203");
    }
}

// A malformed or hostile file changes nothing and says why; a file of more colours than the history holds fills it
// in the file's order and says how many found no room.
TEST_F(Form1ColoursTest, AnImportThatFailsChangesNothing) {
    const struct {
        const wchar_t* name;
        std::string bytes;
        const wchar_t* said;
        const char* history;
    } rows[] = {
        {L"bad.gpl", "GIMP Palette\n255 0\n", L"Line 2 of the GIMP palette", "00FF00"},
        {L"bad.json", "{\"format\": \"pixlin-palette\", \"version\": 1, \"colours\": [{\"hex\": 5}]}",
         L"Nothing was imported", "00FF00"},
        {L"bad.ase", std::string("ASEF\x00\x01\x00\x00\x00\x00\x00\x01\x00\x01\xFF\xFF\xFF\xF0", 18),
         L"Nothing was imported", "00FF00"},
        {L"huge.gpl", "GIMP Palette\n" + std::string(kMaxPaletteBytes, '#'), L"larger than 1 MB", "00FF00"},
        // Older colours make way; only four fit.
        {L"six.gpl", "GIMP Palette\n1 1 1\n2 2 2\n3 3 3\n4 4 4\n5 5 5\n6 6 6\n", L"2 colours found no room",
         "010101 020202 030303 040404"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.name));
        const auto form = Start();
        ASSERT_NE(form->hwnd(), nullptr);
        Copy(*form, kGreen);
        importPath_ = program_.Write(row.name, row.bytes);
        MessageBoxAnswerer answerer(L"Import colours");
        RightClick(*form, Swatch(*form, 0), "&Import colours\xE2\x80\xA6");
        const std::wstring said = answerer.Message().value_or(L"(no message)");
        EXPECT_NE(said.find(row.said), std::wstring::npos) << Narrow(said);
        EXPECT_EQ(HistoryShown(*form), row.history);
    }
}

}  // namespace
}  // namespace pixlin
