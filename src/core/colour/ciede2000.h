#pragma once

#include "core/colour/rgb.h"

namespace pixlin {

struct Lab {
    double l = 0;
    double a = 0;
    double b = 0;
};

// CIELAB of an sRGB colour: linear light, XYZ by the sRGB matrix, D65 white (0.95047, 1, 1.08883),
// epsilon 216/24389 and kappa 24389/27.
Lab LabOf(Rgb colour) noexcept;

// The CIEDE2000 colour difference with kL = kC = kH = 1.
double Ciede2000(const Lab& first, const Lab& second) noexcept;

}  // namespace pixlin
