#pragma once

#include <array>
#include <cstddef>

#include "picker/form1.h"

namespace pixlin {

// The handler a click on each control runs (none for the swatch and the name box, which take no clicks of their
// own). The layout key that places a control is in the layout's own table.
struct ControlBinding {
    Form1Control control;
    void (Form1::*click)();
};

// In the order of Form1Control, so that a control's binding is found by its index.
inline constexpr std::array<ControlBinding, kForm1ControlCount> kControlBindings{{
    {Form1Control::lbl_Shape, &Form1::lbl_Shape_Click},
    {Form1Control::lbl_HLS, &Form1::lbl_HLS_Click},
    {Form1Control::lbl_CMY, &Form1::lbl_CMY_Click},
    {Form1Control::lbl_CMYK, &Form1::lbl_CMYK_Click},
    {Form1Control::lbl_YCBCR, &Form1::lbl_YCBCR_Click},
    {Form1Control::lbl_LONG, &Form1::lbl_LONG_Click},
    {Form1Control::lbl_HEX, &Form1::lbl_HEX_Click},
    {Form1Control::lbl_RGB, &Form1::lbl_RGB_Click},
    {Form1Control::Label3, &Form1::Label3_Click},
    {Form1Control::lbl_CSSHEX, &Form1::lbl_CSSHEX_Click},
    {Form1Control::lbl_CSSRGB, &Form1::lbl_CSSRGB_Click},
    {Form1Control::lbl_CSSHSL, &Form1::lbl_CSSHSL_Click},
    {Form1Control::lbl_HSV, &Form1::lbl_HSV_Click},
    {Form1Control::lbl_OKLCH, &Form1::lbl_OKLCH_Click},
    {Form1Control::lbl_NEAREST, &Form1::lbl_NEAREST_Click},
    {Form1Control::lbl_CONTRAST, &Form1::lbl_CONTRAST_Click},
    {Form1Control::lbl_STATE, &Form1::lbl_STATE_Click},
    {Form1Control::Shape1, nullptr},
    {Form1Control::Text1, nullptr},
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
