#include "core/base/exact_quotient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace pixlin {
namespace {

TEST(ExactQuotient, RoundsHalvesToEvenAndOverflowsBeyond32Bits) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int64_t numerator;
        int64_t denominator;
        int32_t exponent;
        std::optional<int32_t> expected;
    } rows[] = {
        {5, 2, 0, 2},
        {7, 2, 0, 4},
        {-5, 2, 0, -2},
        {-7, 2, 0, -4},
        {6721, 96, 0, 70},
        // 70 px at 168 dpi: 122.5.
        {70 * 168, 96, 0, 122},
        {1, 3, 1, 1},
        {1, 1, -1, 0},
        {3, 1, -1, 2},
        {3, 1, -2, 1},
        // One past a half, or a half, far below the first binary place.
        {(int64_t{1} << 40) + 1, 1, -41, 1},
        {int64_t{1} << 40, 1, -41, 0},
        {1, 1, -400, 0},
        {-1, 1, -400, 0},
        {kMax, 1, 0, static_cast<int32_t>(kMax)},
        {kMax + 1, 1, 0, std::nullopt},
        {-kMax - 1, 1, 0, std::numeric_limits<int32_t>::min()},
        {-kMax - 2, 1, 0, std::nullopt},
        {1, 1, 31, std::nullopt},
        {1, 1, 400, std::nullopt},
        {0, 7, 400, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RoundedQuotient(row.numerator, row.denominator, row.exponent), row.expected)
            << row.numerator << " * 2^" << row.exponent << " / " << row.denominator;
    }
}

TEST(ExactQuotient, SinglesSplitIntoWholeNumberAndPowerOfTwo) {
    for (const float value : {0.0f, 1.0f, -1057.5f, 8.571428f, 3.0e10f, 1.0e-40f, -std::numeric_limits<float>::max()}) {
        const std::optional<SingleParts> parts = ExactParts(value);
        ASSERT_TRUE(parts) << value;
        EXPECT_LT(std::abs(parts->mantissa), int64_t{1} << 24) << value;
        EXPECT_EQ(std::ldexp(static_cast<double>(parts->mantissa), parts->exponent), static_cast<double>(value));
    }
    EXPECT_FALSE(ExactParts(std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(ExactParts(std::numeric_limits<float>::quiet_NaN()));
}

}  // namespace
}  // namespace pixlin
