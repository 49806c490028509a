#pragma once

#include <cstdint>
#include <optional>

#include "core/base/exact_quotient.h"
#include "core/base/run_error.h"

namespace pixlin {

inline constexpr int32_t kTwipsPerInch = 1440;
inline constexpr int32_t kStandardDpi = 96;

// Twips per screen pixel for a screen resolution in dots per inch (15 at 96 dpi), held as single. A resolution
// the system cannot really report (zero or negative) counts as 96 dpi rather than dividing by zero.
inline float TwipsPerPixel(int32_t dpi) {
    const int32_t usable = dpi > 0 ? dpi : kStandardDpi;
    return static_cast<float>(static_cast<double>(kTwipsPerInch) / usable);
}

// Pixels for a length in twips: the exact quotient of the two singles, rounded half to even. A result beyond 32 bits,
// or a factor that is no positive number, is the overflow error.
inline int32_t TwipsToPixels(float twips, float twipsPerPixel) {
    const std::optional<SingleParts> length = ExactParts(twips);
    const std::optional<SingleParts> factor = ExactParts(twipsPerPixel);
    if (!length || !factor || factor->mantissa <= 0) {
        ThrowOverflow();
    }
    const std::optional<int32_t> pixels =
        RoundedQuotient(length->mantissa, factor->mantissa, length->exponent - factor->exponent);
    if (!pixels) {
        ThrowOverflow();
    }
    return *pixels;
}

// Twips for a length in pixels, held as single.
inline float PixelsToTwips(int32_t pixels, float twipsPerPixel) {
    return static_cast<float>(static_cast<double>(pixels) * twipsPerPixel);
}

}  // namespace pixlin
