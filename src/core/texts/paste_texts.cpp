#include "core/texts/paste_texts.h"

#include "core/colour/contrast.h"
#include "core/colour/css_text.h"
#include "core/colour/nearest_name.h"
#include "core/colour/oklch.h"
#include "core/texts/readout_texts.h"

namespace pixlin {

std::string PasteFormText(Form1Control readout, Rgb colour, std::optional<Rgb> against) {
    switch (readout) {
        case Form1Control::lbl_CSSHEX:
            return CssHexText(colour);
        case Form1Control::lbl_CSSRGB:
            return CssRgbText(colour);
        case Form1Control::lbl_CSSHSL:
            return CssHslText(colour);
        case Form1Control::lbl_HSV:
            return HsvText(colour);
        case Form1Control::lbl_OKLCH:
            return OklchText(colour);
        case Form1Control::lbl_NEAREST:
            return NearestNameText(colour);
        case Form1Control::lbl_CONTRAST:
            return ContrastText(colour, against);
        default:
            return {};
    }
}

std::string ReadoutText(Form1Control readout, std::int32_t colour, cClrModels& model, std::optional<Rgb> against) {
    if (IsOptional(readout)) {
        return PasteFormText(readout, RgbOf(colour), against);
    }
    Readouts texts = MakeReadouts(colour, model);
    switch (readout) {
        case Form1Control::lbl_HLS:
            return std::move(texts.hls);
        case Form1Control::lbl_CMY:
            return std::move(texts.cmy);
        case Form1Control::lbl_CMYK:
            return std::move(texts.cmyk);
        case Form1Control::lbl_YCBCR:
            return std::move(texts.ycbcr);
        case Form1Control::lbl_LONG:
            return std::move(texts.longValue);
        case Form1Control::lbl_HEX:
            return std::move(texts.hex);
        case Form1Control::lbl_RGB:
            return std::move(texts.rgb);
        default:
            return {};
    }
}

std::string StateText(bool frozen) {
    return frozen ? "Frozen \xC2\xB7 Ctrl+F12 resumes" : "Live \xC2\xB7 Ctrl+F12 freezes";
}

}  // namespace pixlin
