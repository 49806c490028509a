#include "skintool/widest_texts.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/colour/apca.h"
#include "core/colour/colour_names.h"
#include "core/colour/rgb.h"
#include "core/texts/paste_texts.h"
#include "core/texts/profile_texts.h"

namespace pixlin::skintool {
namespace {

// U+2248 ALMOST EQUAL TO and a blank, as the nearest name puts it before a name that is not the colour's own.
constexpr std::string_view kApproximately = "\xE2\x89\x88 ";

// A colour and the one copied before it, whose contrast the contrast readout shows.
struct ColourPair {
    std::int32_t colour;
    std::int32_t against;
};

// One of each grade with the most digits: "1.00:1 fail", "3.xx:1 AA large", "4.xx:1 AA", "21.00:1 AAA".
constexpr std::array<ColourPair, 4> kWidestContrasts{{
    {0x000000, 0x000000},
    {0x0000B7, 0x000000},
    {0x0000EB, 0x000000},
    {0x000000, 0xFFFFFF},
}};

// A profile's description is the display maker's or the calibration tool's, kept to 64 characters. A box for 64 wide
// letters would take half the screen, so the check measures a description as long as calibration tools write them,
// and the picker cuts a longer one at the box's edge.
constexpr std::string_view kLongProfileName = "Wide-gamut monitor 2024-05-01 D6500 2.2";

std::int32_t ColourValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | green << 8 | blue << 16;
}

// Any colour has any hexadecimal digit in any place: the widest digit in every place but the last, then each digit
// last, for the ink of the last character.
std::vector<std::string> HexCandidates(Form1Control readout, LabelFont font) {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::size_t widest = 0;
    std::int32_t widestAdvance = -1;
    for (std::size_t digit = 0; digit < kDigits.size(); ++digit) {
        const std::int32_t advance = TextAdvance(kDigits.substr(digit, 1), font).value_or(0);
        if (advance > widestAdvance) {
            widest = digit;
            widestAdvance = advance;
        }
    }
    const auto twice = static_cast<std::uint8_t>(widest * 17);
    cClrModels model;
    std::vector<std::string> texts;
    for (std::size_t last = 0; last < kDigits.size(); ++last) {
        const auto blue = static_cast<std::uint8_t>(widest * 16 + last);
        texts.push_back(ReadoutText(readout, ColourValue(twice, twice, blue), model, std::nullopt));
    }
    return texts;
}

// Each grade with the most digits as the user fixed neither side, the text, the background or both: the fixed sides
// are named after the ratio.
std::vector<std::string> ContrastCandidates() {
    std::vector<std::string> texts;
    for (const ColourPair& pair : kWidestContrasts) {
        const Rgb colour = RgbOf(pair.colour);
        const Rgb against = RgbOf(pair.against);
        for (const ContrastPair& fixed : {ContrastPair{}, ContrastPair{against, std::nullopt},
                                          ContrastPair{std::nullopt, against}, ContrastPair{colour, against}}) {
            texts.push_back(PasteFormText(Form1Control::lbl_CONTRAST, colour, against, fixed));
        }
    }
    return texts;
}

// White and black text on every grey and every grey on white and black: the extremes of APCA lie there (white on black
// gives the widest text, "Lc -107.9"), and with them every form its text takes.
std::vector<std::string> ApcaCandidates() {
    std::vector<std::string> texts;
    const Rgb white{255, 255, 255};
    const Rgb black{0, 0, 0};
    for (int level = 0; level < 256; ++level) {
        const auto value = static_cast<std::uint8_t>(level);
        const Rgb grey{value, value, value};
        for (const auto& [text, background] :
             {std::pair{white, grey}, std::pair{black, grey}, std::pair{grey, white}, std::pair{grey, black}}) {
            texts.push_back(ApcaText(text, background));
        }
    }
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    return texts;
}

}  // namespace

std::vector<std::int32_t> MostDigitColours(Form1Control readout) {
    switch (readout) {
        case Form1Control::lbl_LONG:
            return {0x989680, 0x989681, 0x989682, 0x989683, 0x989684, 0x989685, 0x989686, 0x989687, 0x989688, 0x989689};
        case Form1Control::lbl_RGB:
            return {0x646464, 0x656464, 0x666464, 0x676464, 0x686464, 0x696464, 0x6A6464, 0x6B6464, 0x6C6464, 0x6D6464};
        case Form1Control::lbl_YCBCR:
            return {0x3225F3, 0x3224F4, 0x3223F6, 0x3223F7, 0x3222F8, 0x3221F9, 0x3220FB, 0x321FFD, 0x321FFE, 0x321EFF};
        case Form1Control::lbl_CMYK:
            return {0x000019, 0x000016, 0x000014, 0x000011, 0x00000F, 0x00000C, 0x000009, 0x000007, 0x000004, 0x000002};
        case Form1Control::lbl_CMY:
            return {0x050000, 0x040000, 0x030000, 0x020000, 0x010000, 0x000000, 0x090000, 0x080000, 0x070000, 0x060000};
        case Form1Control::lbl_HLS:
            return {0xFDFFFD, 0x032A3D, 0x02202F, 0x022334, 0x02293C, 0x023047, 0x012030, 0x012639, 0x01354F, 0x015885};
        case Form1Control::lbl_CSSRGB:
            return {0x646464};
        case Form1Control::lbl_CSSHSL:
            return {0xFDFFFD};
        case Form1Control::lbl_HSV:
            return {0x00FE00, 0x001B00, 0x001E00, 0x002000, 0x002300, 0x002500, 0x002800, 0x002B00, 0x002D00, 0x003000};
        case Form1Control::lbl_OKLCH:
            return {0xFEFFFF};
        default:
            return {};
    }
}

ControlFont FontOf(Form1Control control) {
    if (control == Form1Control::Text1) {
        return ControlFont::ArialRegular9;
    }
    return IsLabel(control) ? kLabelDesign[IndexOf(control)].font : ControlFont::WindowDefault;
}

std::vector<std::string> WidestCandidates(Form1Control control, LabelFont font) {
    std::vector<std::string> texts;
    switch (control) {
        case Form1Control::lbl_HEX:
        case Form1Control::lbl_CSSHEX:
            return HexCandidates(control, font);
        case Form1Control::lbl_CONTRAST:
            return ContrastCandidates();
        case Form1Control::lbl_APCA:
            return ApcaCandidates();
        case Form1Control::lbl_NEAREST:
            for (const NamedColour& named : kNamedColours) {
                texts.push_back(std::string(kApproximately) + std::string(named.name));
            }
            return texts;
        case Form1Control::Text1:
            for (const NamedColour& named : kNamedColours) {
                texts.emplace_back(named.name);
            }
            return texts;
        case Form1Control::lbl_STATE:
            texts = {StateText(false), StateText(true)};
            for (const KeptNotice notice : kKeptNotices) {
                texts.push_back(KeptNoticeText(notice));
            }
            return texts;
        case Form1Control::lbl_PROFILE:
            for (const DisplayColours display : {DisplayColours::Srgb, DisplayColours::Profiled,
                                                 DisplayColours::Unusable, DisplayColours::AdvancedColour}) {
                for (const bool displayValues : {false, true}) {
                    for (const bool outside : {false, true}) {
                        texts.push_back(ProfileText(display, kLongProfileName, displayValues, outside));
                    }
                }
            }
            return texts;
        default:
            break;
    }
    cClrModels model;
    for (const std::int32_t colour : MostDigitColours(control)) {
        texts.push_back(ReadoutText(control, colour, model, std::nullopt));
    }
    return texts;
}

std::optional<MeasuredText> WidestText(Form1Control control) {
    static std::map<Form1Control, std::optional<MeasuredText>> measured;
    if (const auto known = measured.find(control); known != measured.end()) {
        return known->second;
    }
    const LabelFont font{FontOf(control), 96};
    std::optional<MeasuredText> widest;
    for (std::string& text : WidestCandidates(control, font)) {
        const std::optional<std::int32_t> width = InkWidth(text, font);
        if (!width) {
            return std::nullopt;
        }
        if (!widest || *width > widest->width) {
            widest = MeasuredText{std::move(text), *width};
        }
    }
    measured.emplace(control, widest);
    return widest;
}

}  // namespace pixlin::skintool
