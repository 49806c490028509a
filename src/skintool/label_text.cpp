#include "skintool/label_text.h"

#include <algorithm>

namespace pixlin::skintool {

float ControlFontPoints(ControlFont font) {
    return font == ControlFont::ArialBold975 ? kArialBold975Points : kArialRegular9Points;
}

std::optional<std::int32_t> InkWidth(std::string_view utf8, LabelFont font) {
    const std::optional<std::int32_t> advance = TextAdvance(utf8, font);
    if (!advance) {
        return std::nullopt;
    }
    // Room on the right for a last letter that reaches past its advance, and below for the descenders.
    const std::int32_t em = FontHeightPixels(ControlFontPoints(font.font), font.dpi);
    Image ink = FilledImage(*advance + 2 * em, 2 * em, 0x000000);
    if (!DrawLabelText(ink, PixelRect{0, 0, ink.width, ink.height}, utf8, font, 0xFFFFFF)) {
        return std::nullopt;
    }
    for (std::int32_t x = ink.width - 1; x >= 0; --x) {
        for (std::int32_t y = 0; y < ink.height; ++y) {
            if (ink.At(x, y) != 0) {
                return x + 1;
            }
        }
    }
    return 0;
}

std::optional<std::int32_t> EditMargin(LabelFont font) {
    // The average width of the Latin letters, rounded as GdiGetCharDimensions rounds it.
    const std::optional<std::int32_t> letters =
        TextAdvance("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", font);
    if (!letters) {
        return std::nullopt;
    }
    return (*letters / 26 + 1) / 2 / 2;
}

}  // namespace pixlin::skintool
