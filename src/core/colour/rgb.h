#pragma once

#include <cstdint>

namespace pixlin {

// One colour's channels, 0 to 255 each.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// The channels of a colour value 0x00BBGGRR.
constexpr Rgb RgbOf(std::int32_t colour) noexcept {
    return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

}  // namespace pixlin
