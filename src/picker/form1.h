#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/point.h"
#include "core/design/colour_menu.h"
#include "core/design/display_scale.h"
#include "core/design/form1_design.h"
#include "core/design/window_actions.h"
#include "picker/colour_keeping.h"
#include "picker/colour_menu_popup.h"
#include "picker/copier.h"
#include "picker/display_profiles.h"
#include "picker/form1_history.h"
#include "picker/form1_loupe.h"
#include "picker/handler_guard.h"
#include "picker/paint_buffer.h"
#include "picker/picture_box.h"
#include "picker/readout_panel.h"
#include "picker/timer.h"
#include "win32/advanced_colour.h"
#include "win32/clipboard_text.h"
#include "win32/file_dialog.h"
#include "win32/hotkey.h"
#include "win32/play_wav.h"
#include "win32/win_handles.h"

namespace pixlin {

struct LayoutContext;
struct SkinLayout;

using PixelReader = std::function<COLORREF(HDC dc, int x, int y)>;
using WavePlayer = std::function<void(const std::wstring& path, int16_t wait)>;
using MessageSender = std::function<LRESULT(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;
using FileReader = std::function<BOOL(HANDLE file, void* buffer, DWORD bytes, DWORD* read)>;
using FileAsker = std::function<std::optional<std::wstring>(HWND owner)>;

struct Form1Args {
    // Where the data files are looked for; by default the directory of the running program.
    std::optional<std::wstring> programDirectory;
    // Every pixel the sampling loop reads goes through here, so that a test can make pixels unreadable.
    PixelReader readPixel = ::GetPixel;
    // The click sound goes through here, so that a test can hear whether and what a click played.
    WavePlayer playWave = static_cast<void (*)(const std::wstring&, int16_t)>(PlayWave);
    // The window drag sends its message through here: the system's move loop it starts is modal, so a test
    // records the message instead.
    MessageSender sendMessage = ::SendMessageW;
    // The dpi of the monitor the window starts on; by default the system's answer for the window.
    std::optional<int32_t> dpi;
    // Copies go to the clipboard through here, so that a test can hold the window up while the clipboard is busy.
    ClipboardWriter writeClipboard = PutTextOnClipboard;
    // The layout file is read through here, so that a test can make a read fail part of the way.
    FileReader readFile = [](HANDLE file, void* buffer, DWORD bytes, DWORD* read) {
        return ReadFile(file, buffer, bytes, read, nullptr);
    };
    // A failed handler is reported through here; by default a message box, then the program ends.
    HandlerGuard::Reporter reportFailure;
    // Whether Windows manages a monitor's colour itself is asked through here, so that a test can turn it on.
    AdvancedColourQuery advancedColour = AdvancedColourOn;
    // The colours' menu is shown through here, so that a test can read its items and choose one; by default the
    // system's context menu.
    ColourMenuChooser chooseColourCommand = ShowColourMenu;
    // Export and Import ask for their file through here; by default the system's Save and Open dialogs.
    FileAsker askExportFile = AskPaletteFileToSave;
    FileAsker askImportFile = AskPaletteFileToOpen;
    // Where kept colours live; by default %APPDATA%\Pixlin and HKEY_CURRENT_USER\Software\Pixlin.
    std::optional<KeepingPlace> keepingPlace;
};

// How a window came to be unloaded, as the query-unload handler is told.
inline constexpr int16_t kUnloadFromControlMenu = 0;
inline constexpr int16_t kUnloadFromCode = 1;
inline constexpr int16_t kUnloadFromSessionEnd = 2;

// The picker's one window. It routes the system's events to its parts: the readout panel (labels, name box, swatch),
// the copier, the history and the loupe. Constructing it creates the window and runs the start-up; the window is gone
// again when the skin's layout file could not be opened (hwnd() is then null).
class Form1 {
public:
    explicit Form1(Form1Args args = {});
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1();

    HWND hwnd() const noexcept { return hwnd_; }

    void Form_Load();
    void Timer1_Timer();
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode);
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    // A click on a control does what the action table says for it; these are the clicks by their own names.
    void lbl_CMY_Click() { Click(Form1Control::lbl_CMY); }
    void lbl_CMYK_Click() { Click(Form1Control::lbl_CMYK); }
    void lbl_HEX_Click() { Click(Form1Control::lbl_HEX); }
    void lbl_HLS_Click() { Click(Form1Control::lbl_HLS); }
    void lbl_LONG_Click() { Click(Form1Control::lbl_LONG); }
    void lbl_RGB_Click() { Click(Form1Control::lbl_RGB); }
    void lbl_YCBCR_Click() { Click(Form1Control::lbl_YCBCR); }
    void lbl_Shape_Click() { Click(Form1Control::lbl_Shape); }
    void Label3_Click() { Click(Form1Control::Label3); }
    void Click(Form1Control control);
    void PlaySound();

    Timer& Timer1() noexcept { return *timer1_; }
    const PictureBox& Picture1() const noexcept { return *picture1_; }
    const ReadoutPanel& Panel() const noexcept { return panel_; }
    const ShapeControl& Shape1() const noexcept { return panel_.Shape1(); }
    const LabelControl& Label(Form1Control label) const noexcept { return panel_.Label(label); }
    HWND Text1() const noexcept { return panel_.Text1(); }
    bool Shows(Form1Control label) const noexcept { return panel_.Shows(label); }
    const Form1Loupe& Loupe() const noexcept { return loupe_; }
    const Form1History& History() const noexcept { return history_; }
    // The sides of the contrast pair the user fixed, and whether the colours are kept between runs.
    const ContrastPair& Pair() const noexcept { return pair_; }
    bool KeepsColours() const noexcept { return keeping_.On(); }

    // The window's place and size in twips, and the picture drawn as its surface; the skin sets them.
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    void SetPicture(SharedBitmap picture);

    // The display scale the window is drawn at: its size, surface, shape, control places and fonts.
    const DisplayScale& Display() const noexcept { return scale_; }
    // The monitor's dpi changed: everything takes the new scale and the window the suggested rectangle.
    void OnDpiChanged(int32_t dpi, const RECT& suggested);

    // The message loop offers every message here before it dispatches it: a key pressed in the name box reaches the
    // window's key handler first, so that Esc closes the program wherever the focus is. True when the key has closed
    // the window, and the message is not to be dispatched.
    bool PreviewKey(const MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation of the window and its controls in their design-time state.
    void CreateWindowAndControls();
    void PlaceControlsInPixels();
    // Every control's pixels at a scale, worked out before any control moves; throws the overflow error.
    struct ControlPixels {
        ReadoutPanel::Pixels panel;
        std::optional<PixelRect> history;
    };
    ControlPixels PixelsAt(const DisplayScale& scale) const;
    RECT WindowRect() const noexcept;
    void MoveControls(const ControlPixels& pixels);
    void ArrangeLoupe();

    // Closing: the query-unload handler, then the window goes; runs once however many ways close it.
    void Unload(int16_t unloadMode);
    void EndWithoutUnload();

    // Start-up steps.
    std::wstring DataPath(std::wstring_view fileName) const;
    void LoadSkinPicture();
    void SizeToPicture();
    void MoveToTopRight();
    bool LoadSkinLayout();
    LayoutContext LayoutContextNow() const;
    void ApplyLayout(const SkinLayout& layout);

    // Sampling: the pixel under the pointer, or a pick of the loupe or the history, shown everywhere.
    void SampleAt(Point pointer);
    void SamplePointer();
    void ShowSample(Point pixel, std::optional<COLORREF> colour);
    void ShowPick(Point pixel, std::optional<COLORREF> colour, const DisplayColour& srgb);
    // The readouts again for the pick, after its partner (the colour copied last) or the values shown changed.
    void ShowTexts();
    std::optional<HistoryEntry> PickEntry() const;

    // The display's colour profile (form1_profile.cpp): which values the readouts show, and the profile text.
    TextsKey PickTexts() const;
    DisplayColour SrgbOfEntry(const HistoryEntry& entry);
    void ShowProfileText();
    void SwitchValues();
    void OnDisplayColoursChanged();

    // The mouse: a press lands on a label, the loupe, the history or the bare surface, as the action table says.
    PressTarget PressTargetAt(int32_t x, int32_t y) const;
    void OnLeftButtonDown(int32_t x, int32_t y);
    void OnLeftButtonUp(int32_t x, int32_t y);
    void OnOtherButtonDown(int16_t button, int16_t shift, int32_t x, int32_t y);
    WindowAction RightPressActionAt(int32_t x, int32_t y) const;
    void ShowAbout();
    void CopyReadout(Form1Control readout);
    void OnCopyKey();

    // The hot key stops and resumes sampling; the arrow keys and the wheel work the loupe.
    void ToggleSampling();
    void SetSampling(bool live);
    void PickFromHistory(const HistoryEntry& entry);
    bool MoveLoupeSelection(int16_t keyCode, int16_t shift);
    void OnMouseWheel(int32_t delta, int32_t screenX, int32_t screenY);

    void OnPaint();

    // The colours' menu on the swatch, a swatch of the history or the keyboard's menu keys, and what its items do
    // (form1_colours.cpp); the kept colours.
    struct MenuTarget {
        bool onHistory = false;
        std::optional<HistoryEntry> entry;
    };
    // At a point of the screen, or from the keyboard.
    void OnContextMenu(std::optional<POINT> screenPoint);
    void OpenColourMenu(const MenuTarget& target, POINT at);
    void RunColourCommand(ColourCommand command, const MenuTarget& target);
    void SetPairSide(std::optional<Rgb> ContrastPair::*side, std::optional<Rgb> colour);
    void ExportColours();
    void ImportColours();
    void ToggleKeeping();
    void LoadKeptColours();
    void SaveKeptColours();
    void ShowKeptNotice(std::optional<KeptNotice> notice);

    Form1Args args_;
    HandlerGuard guard_;
    HWND hwnd_ = nullptr;
    bool unloading_ = false;

    DisplayScale scale_;
    SharedBitmap picture_;
    // The picture enlarged to the display scale; none at 96 dpi, where the picture itself is the surface.
    Bitmap surface_;
    PaintBuffer paintBuffer_;

    std::wstring programDirectory_;

    ReadoutPanel panel_;
    std::optional<PictureBox> picture1_;
    std::optional<Timer> timer1_;
    std::optional<Form1Control> pressedLabel_;

    // Ctrl+F12, held from start-up until the window unloads, unless another window holds it already.
    GlobalHotkey hotkey_;
    // Ctrl+F11 copies the pick in the copier's form; held like Ctrl+F12.
    GlobalHotkey copyHotkey_;
    Form1Loupe loupe_;
    Form1History history_;
    Copier copier_;
    ContrastPair pair_;
    ColourKeeping keeping_;
    // The pixel the readouts show and its colour value on the display; no colour before the first sample or for an
    // unreadable pixel. Its sRGB colour, the same where the display's profile is sRGB.
    Point pickPixel_;
    std::optional<COLORREF> pickColour_;
    DisplayColour pickSrgb_;
    DisplayProfiles displayProfiles_{args_.advancedColour};
    // The user's choice on a display whose profile converts: its own values instead of sRGB, for the whole run.
    bool displayValuesChosen_ = false;
    // After a layout is applied, the first tick samples even where the pointer stayed: the loupe may show another
    // pixel.
    bool sampleNextTick_ = false;
    // A display-scale change that came while the layout file loaded, applied once it is in.
    struct DpiChange {
        int32_t dpi;
        RECT suggested;
    };
    bool loadingLayout_ = false;
    std::optional<DpiChange> deferredDpiChange_;

    Point LastCursorPos;
};

}  // namespace pixlin
