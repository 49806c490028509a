#include "core/colour/ciede2000.h"

#include <cmath>
#include <numbers>

#include "core/colour/srgb.h"

namespace pixlin {
namespace {

constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

double F(double t) noexcept {
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
}

double Radians(double degrees) noexcept {
    return degrees * std::numbers::pi / 180.0;
}

// 25^7, in the chroma weights.
constexpr double kTwentyFiveToTheSeventh = 6103515625.0;

// Whole powers by multiplication: MinGW's pow is many times slower than glibc's, and the nearest name calls this for
// many colours on every move.
double Seventh(double x) noexcept {
    const double cube = x * x * x;
    return cube * cube * x;
}

double Degrees(double radians) noexcept {
    return radians * 180.0 / std::numbers::pi;
}

// atan2 in degrees, 0 to 360; 0 where both are 0.
double HueAngle(double b, double a) noexcept {
    if (a == 0.0 && b == 0.0) {
        return 0.0;
    }
    const double h = Degrees(std::atan2(b, a));
    return h < 0.0 ? h + 360.0 : h;
}

}  // namespace

double LightnessWeight(double lightnessMean) noexcept {
    const double offset = (lightnessMean - 50.0) * (lightnessMean - 50.0);
    return 1.0 + 0.015 * offset / std::sqrt(20.0 + offset);
}

double Ciede2000LowerBound(const Lab& first, const Lab& second) noexcept {
    return std::abs(second.l - first.l) / LightnessWeight((first.l + second.l) / 2.0);
}

Lab LabOf(Rgb colour) noexcept {
    const double r = LinearChannel(colour.r);
    const double g = LinearChannel(colour.g);
    const double b = LinearChannel(colour.b);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = F(x);
    const double fy = F(y);
    const double fz = F(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double Ciede2000(const Lab& first, const Lab& second) noexcept {
    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double cMean7 = Seventh((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + kTwentyFiveToTheSeventh)));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double c1p = std::hypot(a1, first.b);
    const double c2p = std::hypot(a2, second.b);
    const double h1p = HueAngle(first.b, a1);
    const double h2p = HueAngle(second.b, a2);

    const double dL = second.l - first.l;
    const double dC = c2p - c1p;
    double dh = 0.0;
    if (c1p * c2p != 0.0) {
        dh = h2p - h1p;
        if (dh > 180.0) {
            dh -= 360.0;
        } else if (dh < -180.0) {
            dh += 360.0;
        }
    }
    const double dH = 2.0 * std::sqrt(c1p * c2p) * std::sin(Radians(dh / 2.0));

    const double lMean = (first.l + second.l) / 2.0;
    const double cMeanP = (c1p + c2p) / 2.0;
    double hMean = h1p + h2p;
    if (c1p * c2p != 0.0) {
        if (std::abs(h1p - h2p) <= 180.0) {
            hMean /= 2.0;
        } else if (h1p + h2p < 360.0) {
            hMean = (hMean + 360.0) / 2.0;
        } else {
            hMean = (hMean - 360.0) / 2.0;
        }
    }
    const double t = 1.0 - 0.17 * std::cos(Radians(hMean - 30.0)) + 0.24 * std::cos(Radians(2.0 * hMean)) +
                     0.32 * std::cos(Radians(3.0 * hMean + 6.0)) - 0.20 * std::cos(Radians(4.0 * hMean - 63.0));
    const double hOffset = (hMean - 275.0) / 25.0;
    const double dTheta = 30.0 * std::exp(-hOffset * hOffset);
    const double cMeanP7 = Seventh(cMeanP);
    const double rc = 2.0 * std::sqrt(cMeanP7 / (cMeanP7 + kTwentyFiveToTheSeventh));
    const double sl = LightnessWeight(lMean);
    const double sc = 1.0 + 0.045 * cMeanP;
    const double sh = 1.0 + 0.015 * cMeanP * t;
    const double rt = -std::sin(Radians(2.0 * dTheta)) * rc;
    const double l = dL / sl;
    const double c = dC / sc;
    const double h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

}  // namespace pixlin
