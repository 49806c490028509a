#pragma once

#include <cstdint>

#include "core/base/run_error.h"
#include "core/colour/rounding.h"

namespace pixlin {

inline constexpr int32_t kTwipsPerInch = 1440;
inline constexpr int32_t kStandardDpi = 96;

// Twips per screen pixel for a screen resolution in dots per inch (15 at 96 dpi), held as single. A resolution
// the system cannot really report (zero or negative) counts as 96 dpi rather than dividing by zero.
inline float TwipsPerPixel(int32_t dpi) {
    const int32_t usable = dpi > 0 ? dpi : kStandardDpi;
    return static_cast<float>(static_cast<double>(kTwipsPerInch) / usable);
}

// Pixels for a length in twips: the quotient held as single, then rounded half to even. A result beyond 32 bits
// is the overflow error.
inline int32_t TwipsToPixels(float twips, float twipsPerPixel) {
    const float pixels = static_cast<float>(static_cast<double>(twips) / twipsPerPixel);
    const auto rounded = RoundTo<int32_t>(pixels);
    if (!rounded) {
        ThrowOverflow();
    }
    return *rounded;
}

// Twips for a length in pixels, held as single.
inline float PixelsToTwips(int32_t pixels, float twipsPerPixel) {
    return static_cast<float>(static_cast<double>(pixels) * twipsPerPixel);
}

}  // namespace pixlin
