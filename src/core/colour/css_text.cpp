#include "core/colour/css_text.h"

#include <algorithm>
#include <array>

namespace pixlin {
namespace {

// numerator / denominator rounded to the nearest whole number, halves up; both non-negative, denominator above 0.
std::int32_t RoundHalfUp(std::int64_t numerator, std::int64_t denominator) noexcept {
    return static_cast<std::int32_t>((2 * numerator + denominator) / (2 * denominator));
}

// Hue in degrees, red 0, green 120, blue 240, 360 shown as 0; 0 for greys.
std::int32_t Hue(Rgb c) noexcept {
    const std::int32_t max = std::max({c.r, c.g, c.b});
    const std::int32_t delta = max - std::min({c.r, c.g, c.b});
    if (delta == 0) {
        return 0;
    }
    // Sixtieths of a turn times delta, from the channel that is largest (red first on a tie, as CSS takes it).
    std::int64_t sixtieths = 0;
    if (max == c.r) {
        sixtieths = std::int64_t{c.g} - c.b;
    } else if (max == c.g) {
        sixtieths = std::int64_t{c.b} - c.r + 2 * delta;
    } else {
        sixtieths = std::int64_t{c.r} - c.g + 4 * delta;
    }
    if (sixtieths < 0) {
        sixtieths += 6 * delta;
    }
    const std::int32_t hue = RoundHalfUp(60 * sixtieths, delta);
    return hue == 360 ? 0 : hue;
}

}  // namespace

HueTriple CssHsl(Rgb c) noexcept {
    const std::int32_t max = std::max({c.r, c.g, c.b});
    const std::int32_t min = std::min({c.r, c.g, c.b});
    const std::int32_t sum = max + min;
    HueTriple hsl;
    hsl.hue = Hue(c);
    hsl.third = RoundHalfUp(100 * std::int64_t{sum}, 510);
    if (max != min) {
        // (max - min) / (1 - |2L - 1|) with L = sum / 510.
        const std::int32_t span = sum <= 255 ? sum : 510 - sum;
        hsl.saturation = RoundHalfUp(100 * std::int64_t{max - min}, span);
    }
    return hsl;
}

HueTriple Hsv(Rgb c) noexcept {
    const std::int32_t max = std::max({c.r, c.g, c.b});
    const std::int32_t min = std::min({c.r, c.g, c.b});
    HueTriple hsv;
    hsv.hue = Hue(c);
    hsv.third = RoundHalfUp(100 * std::int64_t{max}, 255);
    if (max != 0) {
        hsv.saturation = RoundHalfUp(100 * std::int64_t{max - min}, max);
    }
    return hsv;
}

std::string CssHexText(Rgb c) {
    static constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string text = "#";
    for (const std::uint8_t channel : {c.r, c.g, c.b}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xF];
    }
    return text;
}

std::optional<Rgb> ColourOfCssHex(std::string_view text) noexcept {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    std::array<std::uint8_t, 3> channels{};
    for (std::size_t i = 1; i < 7; ++i) {
        const char c = text[i];
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        std::uint8_t& channel = channels[(i - 1) / 2];
        channel = static_cast<std::uint8_t>(channel << 4 | digit);
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

std::string CssRgbText(Rgb c) {
    return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

std::string CssHslText(Rgb c) {
    const HueTriple hsl = CssHsl(c);
    return "hsl(" + std::to_string(hsl.hue) + ", " + std::to_string(hsl.saturation) + "%, " +
           std::to_string(hsl.third) + "%)";
}

std::string HsvText(Rgb c) {
    const HueTriple hsv = Hsv(c);
    return std::to_string(hsv.hue) + "," + std::to_string(hsv.saturation) + "," + std::to_string(hsv.third);
}

}  // namespace pixlin
