#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/base/rect.h"
#include "core/design/form1_control.h"

namespace pixlin {

// What a press of the left button does where it lands. A control acts on its click (the button goes down and up
// over it); the loupe and the history's swatches act as the button goes down; anywhere else the press drags the
// window.
enum class WindowAction {
    // The swatch's shape and the name box: the label over the swatch takes the swatch's clicks.
    None,
    // A readout: its text goes to the clipboard.
    CopyText,
    // The state text: sampling freezes or resumes, as with the hot key.
    ToggleSampling,
    // The profile text: the readouts switch between the colour the page asked for (sRGB) and the display's values.
    SwitchValues,
    ShowAbout,
    Quit,
    // A cell of a held loupe: its pixel becomes the pick.
    PickInLoupe,
    // A swatch of the history: its colour comes back, frozen.
    PickFromHistory,
    Drag,
    // The right button on the swatch or a swatch of the history: the colours' menu.
    ColourMenu,
};

struct ControlAction {
    Form1Control control;
    WindowAction click;
    // Whether a copy of the control's text is a copy of the colour: then the colour enters the history and the
    // control's form becomes the copy key's. A contrast ratio is no colour.
    bool copiesColour = false;
};

// What a click on each control does, in the order of Form1Control.
inline constexpr std::array<ControlAction, kForm1ControlCount> kControlActions{{
    {Form1Control::lbl_Shape, WindowAction::ShowAbout},
    {Form1Control::lbl_HLS, WindowAction::CopyText, true},
    {Form1Control::lbl_CMY, WindowAction::CopyText, true},
    {Form1Control::lbl_CMYK, WindowAction::CopyText, true},
    {Form1Control::lbl_YCBCR, WindowAction::CopyText, true},
    {Form1Control::lbl_LONG, WindowAction::CopyText, true},
    {Form1Control::lbl_HEX, WindowAction::CopyText, true},
    {Form1Control::lbl_RGB, WindowAction::CopyText, true},
    {Form1Control::Label3, WindowAction::Quit},
    {Form1Control::lbl_CSSHEX, WindowAction::CopyText, true},
    {Form1Control::lbl_CSSRGB, WindowAction::CopyText, true},
    {Form1Control::lbl_CSSHSL, WindowAction::CopyText, true},
    {Form1Control::lbl_HSV, WindowAction::CopyText, true},
    {Form1Control::lbl_OKLCH, WindowAction::CopyText, true},
    {Form1Control::lbl_NEAREST, WindowAction::CopyText, true},
    {Form1Control::lbl_CONTRAST, WindowAction::CopyText, false},
    {Form1Control::lbl_STATE, WindowAction::ToggleSampling},
    {Form1Control::lbl_PROFILE, WindowAction::SwitchValues},
    {Form1Control::lbl_APCA, WindowAction::CopyText, false},
    {Form1Control::Shape1, WindowAction::None},
    {Form1Control::Text1, WindowAction::None},
}};

constexpr bool ActionsInControlOrder() {
    for (std::size_t i = 0; i < kControlActions.size(); ++i) {
        if (IndexOf(kControlActions[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(ActionsInControlOrder());

constexpr WindowAction ClickActionOf(Form1Control control) noexcept {
    return kControlActions[IndexOf(control)].click;
}

// The labels whose text a click copies: the colour readouts, older and newer.
constexpr bool IsReadout(Form1Control control) noexcept {
    return ClickActionOf(control) == WindowAction::CopyText;
}

constexpr bool CopiesColour(Form1Control control) noexcept {
    return kControlActions[IndexOf(control)].copiesColour;
}

// The parts of the window a press can land on, in pixels of the window's client area.
struct WindowAreas {
    // Every label's box, in the order of Form1Control; a label the skin does not show has an empty box.
    std::span<const PixelRect> labels;
    std::optional<PixelRect> loupe;
    std::optional<PixelRect> history;
    std::int32_t historyCount = 0;
    // The swatch of the current colour.
    std::optional<PixelRect> swatch;
};

struct PressTarget {
    WindowAction action = WindowAction::Drag;
    // The label pressed, for a control's action.
    std::optional<Form1Control> label;
};

// What a press at a window point lands on: the topmost label there, else the loupe's box, else one of the history's
// swatches (filled or empty), else the bare surface.
PressTarget PressTargetAt(const WindowAreas& areas, std::int32_t x, std::int32_t y) noexcept;

// What a press of the right button does there: on the swatch (whatever label lies over it) or a swatch of the history
// it opens the colours' menu, on the bare surface it drags the window as the left button does, and on a label or the
// loupe it does nothing.
WindowAction RightPressActionAt(const WindowAreas& areas, std::int32_t x, std::int32_t y) noexcept;

}  // namespace pixlin
