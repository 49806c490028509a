#include "core/base/exact_quotient.h"

#include <bit>
#include <cmath>
#include <limits>

namespace pixlin {
namespace {

// The most bits a shifted magnitude may take and still fit a signed 64-bit number.
constexpr int32_t kMaxBits = 62;

int32_t Bits(uint64_t value) noexcept {
    return static_cast<int32_t>(std::bit_width(value));
}

}  // namespace

std::optional<int32_t> RoundedQuotient(int64_t numerator, int64_t denominator, int32_t exponent) {
    if (numerator == 0) {
        return 0;
    }
    const bool negative = numerator < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(numerator) : static_cast<uint64_t>(numerator);
    auto divisor = static_cast<uint64_t>(denominator);
    if (exponent >= 0) {
        if (Bits(magnitude) + exponent > kMaxBits) {
            return std::nullopt;
        }
        magnitude <<= exponent;
    } else {
        // A divisor more than twice the magnitude leaves a quotient below one half.
        if (Bits(divisor) - exponent > Bits(magnitude) + 1) {
            return 0;
        }
        divisor <<= -exponent;
    }
    uint64_t quotient = magnitude / divisor;
    const uint64_t remainder = magnitude % divisor;
    const uint64_t rest = divisor - remainder;
    if (remainder > rest || (remainder == rest && quotient % 2 == 1)) {
        ++quotient;
    }
    const uint64_t limit = negative ? uint64_t{1} << 31 : uint64_t{std::numeric_limits<int32_t>::max()};
    if (quotient > limit) {
        return std::nullopt;
    }
    const auto whole = static_cast<int64_t>(quotient);
    return static_cast<int32_t>(negative ? -whole : whole);
}

std::optional<SingleParts> ExactParts(float value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    constexpr int32_t kMantissaBits = std::numeric_limits<float>::digits;
    int exponent = 0;
    const float fraction = std::frexp(value, &exponent);
    return SingleParts{static_cast<int64_t>(std::ldexp(fraction, kMantissaBits)), exponent - kMantissaBits};
}

}  // namespace pixlin
