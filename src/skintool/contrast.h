#pragma once

#include <cstdint>

namespace pixlin::skintool {

// WCAG 2 relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// WCAG 2 contrast ratio of two luminances, 1 to 21, whichever is lighter.
double ContrastRatio(double luminance1, double luminance2);

// Below this text is hard to read (WCAG 2 for large text and user-interface components).
inline constexpr double kMinContrast = 3.0;

}  // namespace pixlin::skintool
