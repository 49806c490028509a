#pragma once

#include <cstdint>
#include <optional>

namespace pixlin {

// numerator × 2^exponent / denominator, rounded to the nearest whole number with halves to the even neighbour, decided
// on whole numbers so that no intermediate rounding can move a result across a half. Nothing when the result does
// not fit 32 bits. The denominator is positive and below 2^31, so that a dividend of more than 62 bits overflows
// anyway; with a negative exponent the numerator's magnitude is below 2^61.
std::optional<int32_t> RoundedQuotient(int64_t numerator, int64_t denominator, int32_t exponent = 0);

// A finite single as the exact product of a whole number (at most 24 bits) and a power of two.
struct SingleParts {
    int64_t mantissa;
    int32_t exponent;
};

// Nothing for an infinity or NaN.
std::optional<SingleParts> ExactParts(float value);

}  // namespace pixlin
