#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/rect.h"
#include "core/design/form1_design.h"
#include "skintool/image.h"

namespace pixlin::skintool {

// The picker's texts in the picker's fonts, to draw and to measure: on Windows by GDI with Arial itself, as the
// picker draws them; elsewhere by FreeType with Liberation Sans, whose letters are as wide as Arial's.

// How the picker lays a caption into its box: the newer readouts and the state text as one line (ExtTextOut,
// ETO_CLIPPED), the older readouts with DrawText's word breaks (their texts have no blanks, so they stay one line).
enum class TextLayout { OneLine, WordBreak };

struct LabelFont {
    ControlFont font = ControlFont::ArialBold975;
    // The display's dots per inch: 96 at 100 %.
    std::int32_t dpi = 96;
};

// The point size of a label's font; the window's default font, which no label with a text has, counts as Arial 9 pt.
float ControlFontPoints(ControlFont font);

// Empty when the fonts can be used; otherwise what is missing and where to get it.
std::string FontProblem();

// The font as it is named in reports: "Arial bold 9.75 pt", with the face that stands in for it here.
std::string FontName(ControlFont font);

// Draws the UTF-8 text as the picker draws a label's caption: in `rgb` (0xRRGGBB) over what the image shows, from
// the top-left corner of `box`, cut at the box's edges and the image's. False, drawing nothing, when the fonts cannot
// be used.
bool DrawLabelText(Image& image,
                   const PixelRect& box,
                   std::string_view utf8,
                   LabelFont font,
                   std::uint32_t rgb,
                   TextLayout layout = TextLayout::OneLine);

// The sum of the characters' advances, as GetTextExtentPoint32 gives it. Nothing when the fonts cannot be used.
std::optional<std::int32_t> TextAdvance(std::string_view utf8, LabelFont font);

// The narrowest box that shows the text whole: from the start to the right edge of its rightmost inked pixel.
std::optional<std::int32_t> InkWidth(std::string_view utf8, LabelFont font);

// The inner margins the name box, an edit control, keeps left and right of its text: half the font's average
// character width, as the system works it out when the control gets its font.
std::optional<std::int32_t> EditMargin(LabelFont font);

}  // namespace pixlin::skintool
