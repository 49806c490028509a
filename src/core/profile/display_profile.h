#pragma once

// What a pixel read from a colour-managed display means in sRGB. Programs that manage colour convert sRGB into the
// display's space before it reaches the screen, so the pixel read there is in display space, while the readouts
// must show the sRGB colour that was asked for. A display whose profile is sRGB needs no conversion; matrix/TRC
// profiles are evaluated here, relative colorimetric as the ICC defines it; profiles with only a lookup table are
// left to the system's colour management.

#include <array>

#include "core/colour/rgb.h"
#include "core/profile/icc_profile.h"

namespace pixlin {

enum class ProfileKind {
    // Every 8-bit display value converts to itself: no conversion is needed.
    Srgb,
    // DisplayTransform converts.
    MatrixTrc,
    // Only the system converts: there is no unclipped colour and no outside flag.
    LutOnly,
};

// A profile with a matrix/TRC model (used even when it has a lookup table too) is Srgb when each of its curves gives
// back every 8-bit value in sRGB's encoding and its colorants are sRGB's, each within a tolerance that the sRGB
// profiles in use need and that a display of other primaries or curves exceeds; else MatrixTrc. A profile without
// one is LutOnly.
ProfileKind ClassifyProfile(const IccProfile& profile);

struct DisplayColour {
    // Clipped to sRGB, each channel rounded to the nearest 8-bit value.
    Rgb srgb;
    // Clipping moved some channel by more than half an 8-bit step: the colour lies outside sRGB by more than 8 bits
    // can show, so `srgb` is not the colour itself.
    bool outside = false;
    // Linear-light sRGB, unclipped: below 0 or above 1 outside sRGB.
    std::array<double, 3> linear{};
};

// Display to sRGB for one matrix/TRC profile: the curves to linear light, the colorants to PCS XYZ (D50), and
// sRGB's own D50 matrix (its D65 primaries adapted by Bradford, as ICC sRGB profiles store them) back to linear
// sRGB. Built once per profile; each conversion is then three table reads, a 3 x 3 matrix and three searches of
// 256-entry tables, without a power function.
class DisplayTransform {
public:
    // The colorants must be independent, as ReadIccProfile makes sure.
    explicit DisplayTransform(const MatrixTrc& model);

    DisplayColour ToSrgb(Rgb display) const noexcept;

    // The 8-bit display value whose curve value lies nearest, in the display's own encoding, to the sRGB colour
    // converted to it and clipped: what a colour-managed program puts on the screen for that colour.
    Rgb FromSrgb(Rgb srgb) const noexcept;

private:
    using Table = std::array<double, 256>;

    // Per channel, linear light of each 8-bit display value.
    std::array<Table, 3> displayLinear_{};
    // Per channel, the curve halfway between 8-bit display values k and k + 1 at [k]; infinity at [255].
    std::array<Table, 3> displayUpper_{};
    // Row by row: linear display to linear sRGB, and back.
    std::array<double, 9> toSrgb_{};
    std::array<double, 9> fromSrgb_{};
};

}  // namespace pixlin
