#include "core/design/form1_design.h"

#include "core/colour/rounding.h"
#include "core/design/twips.h"

namespace pixlin {

PixelRect ToPixels(const TwipsRect& place, const LayoutScale& scale) {
    const int32_t left = TwipsToPixels(place.left, scale.twipsPerPixelX);
    const int32_t top = TwipsToPixels(place.top, scale.twipsPerPixelY);
    const int32_t width = TwipsToPixels(place.width, scale.twipsPerPixelX);
    const int32_t height = TwipsToPixels(place.height, scale.twipsPerPixelY);
    const auto right = static_cast<int64_t>(left) + width;
    const auto bottom = static_cast<int64_t>(top) + height;
    if (right > INT32_MAX || right < INT32_MIN || bottom > INT32_MAX || bottom < INT32_MIN) {
        ThrowOverflow();
    }
    return {left, top, static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
}

int32_t FontHeightPixels(float points, int32_t dpiY) {
    const auto pixels = RoundTo<int32_t>(static_cast<double>(points) * dpiY / 72.0);
    if (!pixels) {
        ThrowOverflow();
    }
    return *pixels;
}

std::optional<std::size_t> TopmostAt(std::span<const PixelRect> rects, int32_t x, int32_t y) {
    for (std::size_t i = rects.size(); i > 0; --i) {
        if (rects[i - 1].Contains(x, y)) {
            return i - 1;
        }
    }
    return std::nullopt;
}

}  // namespace pixlin
