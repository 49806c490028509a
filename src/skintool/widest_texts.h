#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/design/form1_control.h"
#include "skintool/label_text.h"

namespace pixlin::skintool {

// Colours whose texts in a readout are the widest of their kind. In the picker's font the ten digits are equally
// wide and no pair of letters is kerned, so two texts alike but for their digits differ in width only by their
// number of digits and by the ink of their last character. These colours give, for every form a readout's text
// takes with its digits left out and for every last character, a text with the most digits: found once over all
// 16777216 colours (tests/skintool/widest_texts_test.cpp goes over them again). Empty for the readouts whose texts
// are found otherwise.
std::vector<std::int32_t> MostDigitColours(Form1Control readout);

// Texts the control can show among which is its widest in a font whose digits are equally wide (the hexadecimal
// ones widest first in `font`); empty for a control without text.
std::vector<std::string> WidestCandidates(Form1Control control, LabelFont font);

struct MeasuredText {
    std::string text;
    // Its ink width: the narrowest box that shows it whole.
    std::int32_t width = 0;
};

// The widest of the control's candidates in its font at 100 %, measured once per run. Nothing for a control without
// text or when the fonts cannot be used.
std::optional<MeasuredText> WidestText(Form1Control control);

// The font the picker draws the control's text in.
ControlFont FontOf(Form1Control control);

}  // namespace pixlin::skintool
