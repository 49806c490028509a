#pragma once

#include <cstddef>

namespace pixlin {

// Every control of the window. The labels come first, in the order they are created, which is also their stacking
// order: a later label lies over an earlier one. The swatch and the name box follow.
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
    Shape1,
    Text1
};

inline constexpr std::size_t kForm1LabelCount = 9;
inline constexpr std::size_t kForm1ControlCount = 11;

constexpr std::size_t IndexOf(Form1Control control) noexcept {
    return static_cast<std::size_t>(control);
}

constexpr bool IsLabel(Form1Control control) noexcept {
    return IndexOf(control) < kForm1LabelCount;
}

}  // namespace pixlin
