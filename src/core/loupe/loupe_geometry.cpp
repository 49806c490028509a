#include "core/loupe/loupe_geometry.h"

#include <algorithm>
#include <array>

namespace pixlin {

namespace {

constexpr std::array<int32_t, 9> kLoupeFactors{2, 3, 4, 6, 8, 12, 16, 24, 32};

// Whole cells that fit the length, made odd by dropping one; 0 when not even one fits. A box wholly outside the
// window has a negative visible length, which must not count as cells.
int32_t OddCellCount(int64_t length, int32_t factor) {
    const int64_t count = std::max<int64_t>(length, 0) / factor;
    return static_cast<int32_t>(count % 2 == 0 ? std::max<int64_t>(count - 1, 0) : count);
}

}  // namespace

std::optional<LoupeCell> LoupeGeometry::CellAt(int32_t x, int32_t y) const {
    if (!grid.Contains(x, y)) {
        return std::nullopt;
    }
    const int32_t cell = Cell();
    return LoupeCell{(x - grid.left) / cell, (y - grid.top) / cell};
}

Point LoupeGeometry::PixelIn(LoupeCell cell, Point centre) const {
    return {centre.x + cell.column - columns / 2, centre.y + cell.row - rows / 2};
}

PixelRect LoupeGeometry::ShownArea(Point centre) const {
    const Point first = PixelIn({0, 0}, centre);
    return {first.x, first.y, first.x + columns, first.y + rows};
}

std::optional<LoupeGeometry> MakeLoupeGeometry(const PixelRect& box,
                                               int32_t factor,
                                               const PixelRect& window,
                                               const DisplayScale& scale) {
    if (factor < kMinLoupeFactor || factor > kMaxLoupeFactor) {
        return std::nullopt;
    }
    const int32_t cell = scale.Pixels(factor);
    const PixelRect visible{std::max(box.left, window.left), std::max(box.top, window.top),
                            std::min(box.right, window.right), std::min(box.bottom, window.bottom)};
    const int64_t width = int64_t{visible.right} - visible.left;
    const int64_t height = int64_t{visible.bottom} - visible.top;
    const int32_t columns = OddCellCount(width, cell);
    const int32_t rows = OddCellCount(height, cell);
    if (columns == 0 || rows == 0) {
        return std::nullopt;
    }
    // The cells fit the box, so every sum below stays inside it.
    const int32_t left = visible.left + static_cast<int32_t>((width - int64_t{columns} * cell) / 2);
    const int32_t top = visible.top + static_cast<int32_t>((height - int64_t{rows} * cell) / 2);
    const PixelRect grid{left, top, left + columns * cell, top + rows * cell};
    return LoupeGeometry{visible, grid, factor, columns, rows, scale.Dpi()};
}

int32_t StepLoupeFactor(int32_t factor, int32_t steps) {
    if (steps == 0) {
        return factor;
    }
    const auto* place = std::lower_bound(kLoupeFactors.begin(), kLoupeFactors.end(), factor);
    auto index = static_cast<int64_t>(place - kLoupeFactors.begin());
    if (steps < 0 && (place == kLoupeFactors.end() || *place != factor)) {
        // Below an unlisted factor the first step down lands on the listed one just under it.
        --index;
        ++steps;
    } else if (steps > 0 && place != kLoupeFactors.end() && *place != factor) {
        --steps;
    }
    const int64_t last = static_cast<int64_t>(kLoupeFactors.size()) - 1;
    return kLoupeFactors[static_cast<std::size_t>(std::clamp<int64_t>(index + steps, 0, last))];
}

}  // namespace pixlin
