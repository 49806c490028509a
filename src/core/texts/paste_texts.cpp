#include "core/texts/paste_texts.h"

#include "core/colour/apca.h"
#include "core/colour/contrast.h"
#include "core/colour/css_text.h"
#include "core/colour/nearest_name.h"
#include "core/colour/oklch.h"
#include "core/texts/readout_texts.h"

namespace pixlin {
namespace {

// The contrast of the pair, and which sides the user fixed; short enough for the default skin's box at its widest,
// "3.01:1 AA large · both set".
std::string PairContrastText(Rgb colour, std::optional<Rgb> against, const ContrastPair& fixed) {
    const std::optional<ResolvedPair> pair = ResolvePair(fixed, colour, against);
    if (!pair) {
        return {};
    }
    std::string text = ContrastText(pair->background, pair->text);
    if (fixed.fixedText && fixed.fixedBackground) {
        text += " \xC2\xB7 both set";
    } else if (fixed.fixedText) {
        text += " \xC2\xB7 text set";
    } else if (fixed.fixedBackground) {
        text += " \xC2\xB7 bg set";
    }
    return text;
}

std::string PairApcaText(Rgb colour, std::optional<Rgb> against, const ContrastPair& fixed) {
    const std::optional<ResolvedPair> pair = ResolvePair(fixed, colour, against);
    return pair ? ApcaText(pair->text, pair->background) : std::string();
}

}  // namespace

std::string PasteFormText(Form1Control readout, Rgb colour, std::optional<Rgb> against, const ContrastPair& fixed) {
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
            return PairContrastText(colour, against, fixed);
        case Form1Control::lbl_APCA:
            return PairApcaText(colour, against, fixed);
        default:
            return {};
    }
}

std::string ReadoutText(Form1Control readout,
                        std::int32_t colour,
                        cClrModels& model,
                        std::optional<Rgb> against,
                        const ContrastPair& fixed) {
    if (IsOptional(readout)) {
        return PasteFormText(readout, RgbOf(colour), against, fixed);
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

std::string KeptNoticeText(KeptNotice notice) {
    switch (notice) {
        case KeptNotice::Damaged:
            return "Kept file damaged \xC2\xB7 moved aside";
        case KeptNotice::Foreign:
            return "Kept file not Pixlin's \xC2\xB7 moved aside";
        case KeptNotice::TooLarge:
            return "Kept file too large \xC2\xB7 moved aside";
        case KeptNotice::Newer:
            return "Kept file too new \xC2\xB7 moved aside";
        case KeptNotice::NotSaved:
            return "Kept colours could not be saved";
    }
    return {};
}

}  // namespace pixlin
