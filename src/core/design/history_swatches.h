#pragma once

#include <cstdint>
#include <optional>

#include "core/base/rect.h"

namespace pixlin {

// Swatch `index` of the history's box (0, the most recent, at the left): `count` swatches of one width side by side,
// the box's width divided by the count; what the division leaves over at the right shows the skin.
PixelRect HistorySwatch(const PixelRect& box, std::int32_t count, std::int32_t index) noexcept;

// The swatch under a point of the window, if any.
std::optional<std::int32_t> HistorySwatchAt(const PixelRect& box,
                                            std::int32_t count,
                                            std::int32_t x,
                                            std::int32_t y) noexcept;

// The side of the mark in a pinned swatch's top-left corner: a right-angled triangle whose two sides are a third of the
// swatch's shorter side, at least 4 pixels; 0 (no mark) in a swatch too small to show one beside its colour.
std::int32_t PinMarkSide(const PixelRect& swatch) noexcept;

}  // namespace pixlin
