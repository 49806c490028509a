#pragma once

#include <string>

#include "core/colour/rgb.h"

namespace pixlin {

// APCA lightness contrast (APCA-W3 0.0.98G-4g) of text on a background: about 106 for black on white, about -108 for
// white on black, positive for dark text on a light background and negative for light text on a dark one; 0 for pairs
// too close to tell apart. Unlike the WCAG 2 ratio it depends on which colour is the text.
double ApcaLc(Rgb text, Rgb background) noexcept;

// "Lc 63.1", "Lc -68.5": the value to one decimal, rounded half away from zero so that the two polarities round alike;
// anything that rounds to zero shows as "Lc 0.0", never "-0.0".
std::string ApcaText(Rgb text, Rgb background);

}  // namespace pixlin
