#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/base/rect.h"

namespace pixlin {

// A captured block of the screen as a 32-bit DIB holds it: one 32-bit word per pixel, 0x..RRGGBB (the top byte
// means nothing), rows top-down with no gaps.
struct ScreenPixels {
    PixelRect area;   // the screen pixels the block stands for
    PixelRect valid;  // the part of `area` that holds what the screen showed; the rest lies beyond the screen
    std::span<const uint32_t> pixels;

    // The pixel at a screen position as 0x00RRGGBB; nothing where the block holds no real pixel.
    std::optional<uint32_t> At(int32_t x, int32_t y) const noexcept {
        if (!valid.Contains(x, y) || !area.Contains(x, y)) {
            return std::nullopt;
        }
        const auto width = static_cast<std::size_t>(int64_t{area.right} - area.left);
        const std::size_t index =
            static_cast<std::size_t>(y - area.top) * width + static_cast<std::size_t>(x - area.left);
        if (index >= pixels.size()) {
            return std::nullopt;
        }
        return pixels[index] & 0x00FFFFFFu;
    }

    // The same pixel as a colour value 0x00BBGGRR, as the readouts take it.
    std::optional<int32_t> ColourAt(int32_t x, int32_t y) const noexcept {
        const std::optional<uint32_t> pixel = At(x, y);
        if (!pixel) {
            return std::nullopt;
        }
        return static_cast<int32_t>(((*pixel & 0xFFu) << 16) | (*pixel & 0xFF00u) | ((*pixel >> 16) & 0xFFu));
    }
};

}  // namespace pixlin
