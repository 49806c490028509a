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

// The weight S_L that divides the lightness difference, for the mean lightness of two colours.
double LightnessWeight(double lightnessMean) noexcept;

// A bound the difference never falls below, at a fraction of its cost: the lightness term alone. The chroma and hue
// terms add c² + h² + R_T·c·h, which is never negative as |R_T| ≤ 2.
double Ciede2000LowerBound(const Lab& first, const Lab& second) noexcept;

}  // namespace pixlin
