#include "core/design/history_swatches.h"

#include <algorithm>

namespace pixlin {
namespace {

std::int32_t SwatchWidth(const PixelRect& box, std::int32_t count) noexcept {
    // In 64 bits: a box placed at the ends of the pixel range is wider than 32 bits can hold.
    const std::int64_t width = static_cast<std::int64_t>(box.right) - box.left;
    return count > 0 && width > 0 ? static_cast<std::int32_t>(width / count) : 0;
}

}  // namespace

PixelRect HistorySwatch(const PixelRect& box, std::int32_t count, std::int32_t index) noexcept {
    const std::int64_t width = SwatchWidth(box, count);
    // Never beyond the box's right edge, so back in 32 bits.
    const auto left = static_cast<std::int32_t>(box.left + index * width);
    return {left, box.top, static_cast<std::int32_t>(left + width), box.bottom};
}

std::optional<std::int32_t> HistorySwatchAt(const PixelRect& box,
                                            std::int32_t count,
                                            std::int32_t x,
                                            std::int32_t y) noexcept {
    const std::int32_t width = SwatchWidth(box, count);
    if (width == 0 || !box.Contains(x, y)) {
        return std::nullopt;
    }
    const std::int64_t index = (static_cast<std::int64_t>(x) - box.left) / width;
    if (index >= count) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(index);
}

std::int32_t PinMarkSide(const PixelRect& swatch) noexcept {
    constexpr std::int32_t kSmallest = 4;
    const std::int64_t shorter = std::min(static_cast<std::int64_t>(swatch.right) - swatch.left,
                                          static_cast<std::int64_t>(swatch.bottom) - swatch.top);
    const std::int64_t side = std::max<std::int64_t>(shorter / 3, kSmallest);
    return shorter >= 2 * side ? static_cast<std::int32_t>(side) : 0;
}

}  // namespace pixlin
