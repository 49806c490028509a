#pragma once

#include <cstddef>

namespace pixlin {

// Every control of the window. The labels come first, in the order they are created, which is also their stacking
// order: a later label lies over an earlier one. The swatch and the name box follow. The labels from lbl_CSSHEX on
// exist only in skins that place them: without a line of their key they have no place, no text and take no clicks.
enum class Form1Control {
    lbl_Shape,
    lbl_HLS,
    lbl_CMY,
    lbl_CMYK,
    lbl_YCBCR,
    lbl_LONG,
    lbl_HEX,
    lbl_RGB,
    Label3,
    lbl_CSSHEX,
    lbl_CSSRGB,
    lbl_CSSHSL,
    lbl_HSV,
    lbl_OKLCH,
    lbl_NEAREST,
    lbl_CONTRAST,
    lbl_STATE,
    lbl_PROFILE,
    lbl_APCA,
    Shape1,
    Text1
};

inline constexpr std::size_t kForm1LabelCount = 19;
inline constexpr std::size_t kForm1ControlCount = 21;

constexpr std::size_t IndexOf(Form1Control control) noexcept {
    return static_cast<std::size_t>(control);
}

constexpr bool IsLabel(Form1Control control) noexcept {
    return IndexOf(control) < kForm1LabelCount;
}

// A control that only a line of its key brings into the window.
constexpr bool IsOptional(Form1Control control) noexcept {
    return IsLabel(control) && IndexOf(control) >= IndexOf(Form1Control::lbl_CSSHEX);
}

}  // namespace pixlin
