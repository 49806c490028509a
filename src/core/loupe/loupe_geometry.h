#pragma once

#include <cstdint>
#include <optional>

#include "core/base/point.h"
#include "core/base/rect.h"
#include "core/design/display_scale.h"
#include "core/layout/layout_reader.h"

namespace pixlin {

// One square of the loupe: its column from the left and its row from the top.
struct LoupeCell {
    int32_t column = 0;
    int32_t row = 0;

    bool operator==(const LoupeCell&) const = default;
};

// Where the loupe's cells lie in the window and which screen pixels they show. There is an odd number of cells
// across and down, so that one cell is the middle one: it shows the pixel the loupe is centred on.
struct LoupeGeometry {
    PixelRect box;       // window pixels the skin gives the loupe
    PixelRect grid;      // the part of the box the cells cover, centred in it; the rest shows the skin
    int32_t factor = 0;  // a cell's side at 100 %: the wheel steps through these
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t dpi = kStandardDpi;

    // A cell's side in window pixels: the factor scaled like every other length, so that the loupe keeps its
    // columns and rows at every display scale.
    int32_t Cell() const { return DisplayScale(dpi).Pixels(factor); }

    // The cell under a window point, if any.
    std::optional<LoupeCell> CellAt(int32_t x, int32_t y) const;
    // The screen pixel a cell shows while `centre` is in the middle cell.
    Point PixelIn(LoupeCell cell, Point centre) const;
    // The screen pixels the cells show while `centre` is in the middle cell.
    PixelRect ShownArea(Point centre) const;

    bool operator==(const LoupeGeometry&) const = default;
};

// The loupe in the part of `box` that lies in `window` (both in window pixels at `scale`), each screen pixel shown as
// a square of factor x factor pixels at 100 %. Nothing when that part cannot hold one cell or the factor is outside
// 2 to 32.
std::optional<LoupeGeometry> MakeLoupeGeometry(const PixelRect& box,
                                               int32_t factor,
                                               const PixelRect& window,
                                               const DisplayScale& scale = DisplayScale());

// The factor `steps` places up (positive) or down the list 2, 3, 4, 6, 8, 12, 16, 24, 32, stopping at its ends. A
// factor between two listed ones counts its first step to the next listed one in that direction.
int32_t StepLoupeFactor(int32_t factor, int32_t steps);

}  // namespace pixlin
