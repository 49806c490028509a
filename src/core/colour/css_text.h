#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour/rgb.h"

namespace pixlin {

// Hue in degrees with red at 0 (0 to 359), saturation and lightness or value in percent: each the exact fraction of
// the channels rounded to a whole number, halves up, in integers so that no tie depends on binary floating point.
// Greys have hue 0 and saturation 0.
struct HueTriple {
    std::int32_t hue = 0;
    std::int32_t saturation = 0;
    std::int32_t third = 0;

    bool operator==(const HueTriple&) const = default;
};

// HSL as CSS defines it; `third` is the lightness.
HueTriple CssHsl(Rgb colour) noexcept;
// HSV; `third` is the value, and black has saturation 0.
HueTriple Hsv(Rgb colour) noexcept;

// The forms style sheets and design tools take as they are: "#FF8000", "rgb(255, 128, 0)", "hsl(30, 100%, 50%)",
// and "30,100,100" for HSV, written like the other readouts.
std::string CssHexText(Rgb colour);
std::string CssRgbText(Rgb colour);
std::string CssHslText(Rgb colour);
std::string HsvText(Rgb colour);

// The colour of a text CssHexText writes, "#FF8000" in either case; nothing for any other text ("#F80" too).
std::optional<Rgb> ColourOfCssHex(std::string_view text) noexcept;

}  // namespace pixlin
