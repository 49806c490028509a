#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/base/rect.h"
#include "core/design/form1_control.h"
#include "core/layout/layout_reader.h"

namespace pixlin {

enum class ControlFont { WindowDefault, ArialRegular9, ArialBold975 };

struct LabelDesign {
    TwipsRect place;
    ControlFont font;
};

// The window as it is before the skin places anything.
inline constexpr std::array<LabelDesign, kForm1LabelCount> kLabelDesign{{
    {{0, 0, 1455, 285}, ControlFont::ArialBold975},        // lbl_Shape
    {{1935, 4095, 1455, 285}, ControlFont::ArialBold975},  // lbl_HLS
    {{2520, 4455, 1455, 285}, ControlFont::ArialBold975},  // lbl_CMY
    {{3285, 3690, 1455, 285}, ControlFont::ArialBold975},  // lbl_CMYK
    {{3780, 3060, 1455, 285}, ControlFont::ArialBold975},  // lbl_YCBCR
    {{2520, 1800, 1455, 285}, ControlFont::ArialBold975},  // lbl_LONG
    {{1935, 2205, 1455, 285}, ControlFont::ArialBold975},  // lbl_HEX
    {{1260, 3060, 1455, 285}, ControlFont::ArialBold975},  // lbl_RGB
    {{630, 540, 510, 510}, ControlFont::WindowDefault},    // Label3
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_CSSHEX
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_CSSRGB
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_CSSHSL
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_HSV
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_OKLCH
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_NEAREST
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_CONTRAST
    {{0, 0, 0, 0}, ControlFont::ArialRegular9},            // lbl_STATE
    {{0, 0, 0, 0}, ControlFont::ArialRegular9},            // lbl_PROFILE
    {{0, 0, 0, 0}, ControlFont::ArialBold975},             // lbl_APCA
}};
inline constexpr TwipsRect kText1Design{1620, 5040, 2130, 330};
inline constexpr TwipsRect kPicture1Design{3870, 270, 210, 300};
inline constexpr TwipsRect kShape1Design{2790, 2565, 915, 1275};

inline constexpr float kArialRegular9Points = 9.0f;
inline constexpr float kArialBold975Points = 9.75f;

// Each edge and length converted on its own, as the window system places controls. Throws the overflow error for
// places beyond 32-bit pixels.
PixelRect ToPixels(const TwipsRect& place, const LayoutScale& scale);

// The character height in pixels of a font of the given point size at the screen's vertical resolution, as a
// positive number (CreateFontW wants it negated).
int32_t FontHeightPixels(float points, int32_t dpiY);

// The topmost of the rectangles that holds the point: the last one in the list, as later controls lie on top.
std::optional<std::size_t> TopmostAt(std::span<const PixelRect> rects, int32_t x, int32_t y);

}  // namespace pixlin
