#pragma once

#include <string>

#include "core/colour/rgb.h"

namespace pixlin {

// OKLab in polar form: lightness 0 to 1, chroma, hue in degrees 0 to 360.
struct Oklch {
    double lightness = 0;
    double chroma = 0;
    double hue = 0;
};

// From linear-light sRGB through the published OKLab matrices. Any values: a colour outside sRGB has channels below
// 0 or above 1, and the cube roots take negative values as they come.
Oklch OklchOfLinear(double r, double g, double b) noexcept;

// From the sRGB colour through linear light.
Oklch OklchOf(Rgb colour) noexcept;

// "oklch(73.2% 0.186 53.0)": lightness in percent with one decimal, chroma with three, hue with one, each rounded
// half away from zero. A chroma that shows as 0.000 has hue 0.0, and 360.0 shows as 0.0.
std::string OklchText(const Oklch& colour);

// OklchText of OklchOf(colour).
std::string OklchText(Rgb colour);

}  // namespace pixlin
