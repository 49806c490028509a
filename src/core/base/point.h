#pragma once

#include <cstdint>

namespace pixlin {

// A pointer position in screen pixels; negative on monitors left of or above the primary one.
struct Point {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const Point&) const = default;
};

}  // namespace pixlin
