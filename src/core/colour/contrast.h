#pragma once

#include <optional>
#include <string>

#include "core/colour/rgb.h"

namespace pixlin {

// WCAG 2 relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour) noexcept;

// WCAG 2 contrast ratio of two luminances, 1 to 21, whichever is lighter.
double ContrastRatio(double luminance1, double luminance2) noexcept;

// The ratio in hundredths, never rounded up: 4.4776 gives 447.
int ContrastHundredths(Rgb first, Rgb second) noexcept;

// "4.47:1 AA large": the ratio floored to two decimals and the grade for normal text (AAA from 7, AA from 4.5,
// AA large from 3, otherwise fail). Empty without a colour to compare with.
std::string ContrastText(Rgb colour, std::optional<Rgb> against);

}  // namespace pixlin
