#include "core/colour/oklch.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/colour/srgb.h"

namespace pixlin {
namespace {

// value rounded half away from zero to `decimals` places, as text.
std::string Fixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    char text[32];
    std::snprintf(text, sizeof(text), "%.*f", decimals, rounded == 0.0 ? 0.0 : rounded);
    return text;
}

}  // namespace

Oklch OklchOfLinear(double r, double g, double b) noexcept {
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    const double lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
    const double a = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    const double bb = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    double hue = std::atan2(bb, a) * 180.0 / std::numbers::pi;
    if (hue < 0) {
        hue += 360.0;
    }
    return {lightness, std::hypot(a, bb), hue};
}

Oklch OklchOf(Rgb colour) noexcept {
    return OklchOfLinear(LinearChannel(colour.r), LinearChannel(colour.g), LinearChannel(colour.b));
}

std::string OklchText(const Oklch& c) {
    const std::string chroma = Fixed(c.chroma, 3);
    std::string hue = chroma == "0.000" ? "0.0" : Fixed(c.hue, 1);
    if (hue == "360.0") {
        hue = "0.0";
    }
    return "oklch(" + Fixed(c.lightness * 100.0, 1) + "% " + chroma + " " + hue + ")";
}

std::string OklchText(Rgb colour) {
    return OklchText(OklchOf(colour));
}

}  // namespace pixlin
