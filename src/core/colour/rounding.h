#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace pixlin {

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 127.5 -> 128).
// std::nearbyint follows the current rounding mode, which the program never changes
// from round-to-nearest-even.
inline double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

// RoundHalfEven, or nothing when the result does not fit T (NaN never fits).
template <typename T>
std::optional<T> RoundTo(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max()))) {
        return std::nullopt;
    }
    return static_cast<T>(rounded);
}

}  // namespace pixlin
