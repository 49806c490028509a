#pragma once

#include <array>
#include <cstddef>

#include "core/skin/layout_reader.h"
#include "picker/form1.h"

namespace pixlin {

// What ties each control to the rest of the program: the layout file's key that places it, and the handler a
// click on it runs (none for the swatch and the name box, which take no clicks of their own).
struct ControlBinding {
    Form1Control control;
    LayoutKey layoutKey;
    void (Form1::*click)();
};

// In the order of Form1Control, so that a control's binding is found by its index.
inline constexpr std::array<ControlBinding, kForm1ControlCount> kControlBindings{{
    {Form1Control::lbl_Shape, LayoutKey::Preview, &Form1::lbl_Shape_Click},
    {Form1Control::lbl_HLS, LayoutKey::Hls, &Form1::lbl_HLS_Click},
    {Form1Control::lbl_CMY, LayoutKey::Cmy, &Form1::lbl_CMY_Click},
    {Form1Control::lbl_CMYK, LayoutKey::Cmyk, &Form1::lbl_CMYK_Click},
    {Form1Control::lbl_YCBCR, LayoutKey::Ycbcr, &Form1::lbl_YCBCR_Click},
    {Form1Control::lbl_LONG, LayoutKey::Long, &Form1::lbl_LONG_Click},
    {Form1Control::lbl_HEX, LayoutKey::Hex, &Form1::lbl_HEX_Click},
    {Form1Control::lbl_RGB, LayoutKey::Rgb, &Form1::lbl_RGB_Click},
    {Form1Control::Label3, LayoutKey::Quit, &Form1::Label3_Click},
    {Form1Control::Shape1, LayoutKey::Preview, nullptr},
    {Form1Control::Text1, LayoutKey::Text, nullptr},
}};

constexpr bool BindingsInControlOrder() {
    for (std::size_t i = 0; i < kControlBindings.size(); ++i) {
        if (IndexOf(kControlBindings[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(BindingsInControlOrder());

constexpr const ControlBinding& BindingOf(Form1Control control) noexcept {
    return kControlBindings[IndexOf(control)];
}

}  // namespace pixlin
