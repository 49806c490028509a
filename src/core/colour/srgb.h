#pragma once

#include <cstdint>

namespace pixlin {

// A channel 0 to 255 as linear light 0 to 1: the sRGB transfer function, straight below 0.04045. For 8-bit channels
// WCAG's older threshold of 0.03928 gives the same values.
double LinearChannel(std::uint8_t channel) noexcept;

}  // namespace pixlin
