#include "core/profile/display_profile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/colour/srgb.h"

namespace pixlin {
namespace {

using Matrix = std::array<double, 9>;

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            for (std::size_t k = 0; k < 3; ++k) {
                product[3 * row + column] += a[3 * row + k] * b[3 * k + column];
            }
        }
    }
    return product;
}

Matrix Inverse(const Matrix& m) {
    const Matrix cofactors{m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
                           m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
                           m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
    const double determinant = m[0] * cofactors[0] + m[1] * cofactors[3] + m[2] * cofactors[6];
    Matrix inverse{};
    for (std::size_t i = 0; i < 9; ++i) {
        inverse[i] = cofactors[i] / determinant;
    }
    return inverse;
}

std::array<double, 3> Apply(const Matrix& m, double r, double g, double b) {
    return {m[0] * r + m[1] * g + m[2] * b, m[3] * r + m[4] * g + m[5] * b, m[6] * r + m[7] * g + m[8] * b};
}

// The columns are the XYZ of red, green and blue.
Matrix ColorantMatrix(const std::array<Xyz, 3>& colorants) {
    const auto& [r, g, b] = colorants;
    return {r.x, g.x, b.x, r.y, g.y, b.y, r.z, g.z, b.z};
}

Xyz XyzOfChromaticity(double x, double y) {
    return {x / y, 1.0, (1.0 - x - y) / y};
}

// sRGB's primaries and D65 white adapted to the PCS's D50 by Bradford: the colorants ICC sRGB profiles store, here
// at full precision.
Matrix SrgbToD50() {
    const Matrix primaries =
        ColorantMatrix({XyzOfChromaticity(0.64, 0.33), XyzOfChromaticity(0.30, 0.60), XyzOfChromaticity(0.15, 0.06)});
    const Xyz d65 = XyzOfChromaticity(0.3127, 0.3290);
    const std::array<double, 3> scale = Apply(Inverse(primaries), d65.x, d65.y, d65.z);
    const Matrix toD65 = Multiply(primaries, {scale[0], 0, 0, 0, scale[1], 0, 0, 0, scale[2]});

    const Matrix bradford{0.8951, 0.2664, -0.1614, -0.7502, 1.7135, 0.0367, 0.0389, -0.0685, 1.0296};
    const std::array<double, 3> from = Apply(bradford, d65.x, d65.y, d65.z);
    const std::array<double, 3> to = Apply(bradford, 0.9642, 1.0, 0.8249);
    const Matrix coneScale{to[0] / from[0], 0, 0, 0, to[1] / from[1], 0, 0, 0, to[2] / from[2]};
    return Multiply(Multiply(Inverse(bradford), Multiply(coneScale, bradford)), toD65);
}

// The sRGB transfer function, 0..1 to 0..1.
double SrgbEncode(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

double SrgbDecode(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The 8-bit value k whose upper bound upper[k] is the first not below `value`; upper[255] must be infinite. Eight
// steps whatever the table holds, so a hostile curve that is not monotonic still gives some value in range.
std::uint8_t Search(const std::array<double, 256>& upper, double value) noexcept {
    std::size_t k = 0;
    for (std::size_t step = 128; step > 0; step /= 2) {
        if (upper[k + step - 1] < value) {
            k += step;
        }
    }
    return static_cast<std::uint8_t>(k);
}

// Linear sRGB halfway between 8-bit values k and k + 1 at [k]: rounding in sRGB's encoding by a search.
const std::array<double, 256>& SrgbUpper() {
    static const std::array<double, 256> kUpper = [] {
        std::array<double, 256> upper{};
        for (std::size_t k = 0; k < 255; ++k) {
            upper[k] = SrgbDecode((static_cast<double>(k) + 0.5) / 255.0);
        }
        upper[255] = std::numeric_limits<double>::infinity();
        return upper;
    }();
    return kUpper;
}

// Half an 8-bit step beyond 0 and 1 in sRGB's encoding, as linear light (the transfer function's straight part and
// its power part carried on): inside these, the unclipped colour rounds to the same 8-bit value as the clipped one,
// so clipping changed nothing that 8 bits show.
constexpr double kHalfStep = 0.5 / 255.0;
const double kOutsideBelow = -kHalfStep / 12.92;
const double kOutsideAbove = std::pow((1.0 + kHalfStep + 0.055) / 1.055, 2.4);

// The sRGB profiles in use do not turn every display value into itself: Debian's, for one, stores sRGB's colorants
// with other figures for D65 and its adaptation, 4.3e-4 off in the matrix below, and near 0, where an 8-bit step of
// sRGB is 3e-4 of linear light, that turns full green into 1, 255, 0. So the test is on the parts. Each curve must
// give back each 8-bit value to within a quarter of a step; Debian's (a table of 1024) stays within 0.03. The
// display-to-sRGB matrix must be the identity to within 1e-3 per entry: twice Debian's difference, while
// a primary 0.002 away in chromaticity already moves an entry by more (the test has such a profile), and what 1e-3
// can do at most, a full channel leaking into one at 0, is 3 steps at the bottom of the 8-bit scale and a tenth of
// one at its top.
constexpr double kCurveTolerance = 0.25;
constexpr double kMatrixTolerance = 1e-3;

bool IsSrgb(const MatrixTrc& model) {
    for (const ToneCurve& curve : model.curves) {
        for (int v = 0; v < 256; ++v) {
            const double encoded = 255.0 * SrgbEncode(EvaluateCurve(curve, v / 255.0));
            if (!(std::abs(encoded - v) <= kCurveTolerance)) {
                return false;
            }
        }
    }
    const Matrix toSrgb = Multiply(Inverse(SrgbToD50()), ColorantMatrix(model.colorants));
    for (std::size_t i = 0; i < 9; ++i) {
        const double identity = i % 4 == 0 ? 1.0 : 0.0;
        if (!(std::abs(toSrgb[i] - identity) <= kMatrixTolerance)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ProfileKind ClassifyProfile(const IccProfile& profile) {
    if (!profile.matrixTrc) {
        return ProfileKind::LutOnly;
    }
    return IsSrgb(*profile.matrixTrc) ? ProfileKind::Srgb : ProfileKind::MatrixTrc;
}

DisplayTransform::DisplayTransform(const MatrixTrc& model) {
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t k = 0; k < 256; ++k) {
            displayLinear_[c][k] = EvaluateCurve(model.curves[c], static_cast<double>(k) / 255.0);
            displayUpper_[c][k] = EvaluateCurve(model.curves[c], (static_cast<double>(k) + 0.5) / 255.0);
        }
        displayUpper_[c][255] = std::numeric_limits<double>::infinity();
    }
    const Matrix toPcs = ColorantMatrix(model.colorants);
    toSrgb_ = Multiply(Inverse(SrgbToD50()), toPcs);
    fromSrgb_ = Inverse(toSrgb_);
}

DisplayColour DisplayTransform::ToSrgb(Rgb display) const noexcept {
    DisplayColour colour;
    colour.linear =
        Apply(toSrgb_, displayLinear_[0][display.r], displayLinear_[1][display.g], displayLinear_[2][display.b]);
    const auto& upper = SrgbUpper();
    colour.srgb = {Search(upper, colour.linear[0]), Search(upper, colour.linear[1]), Search(upper, colour.linear[2])};
    for (const double channel : colour.linear) {
        colour.outside = colour.outside || channel < kOutsideBelow || channel > kOutsideAbove;
    }
    return colour;
}

Rgb DisplayTransform::FromSrgb(Rgb srgb) const noexcept {
    const std::array<double, 3> linear =
        Apply(fromSrgb_, LinearChannel(srgb.r), LinearChannel(srgb.g), LinearChannel(srgb.b));
    return {Search(displayUpper_[0], linear[0]), Search(displayUpper_[1], linear[1]),
            Search(displayUpper_[2], linear[2])};
}

}  // namespace pixlin
