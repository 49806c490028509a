#pragma once

#include <cstdint>
#include <optional>

#include "core/loupe/loupe_geometry.h"

namespace pixlin {

// What the loupe shows and which pixel is picked. While sampling is live, the loupe is centred on the sampled
// pixel and picks it. Held still on a captured picture, the picked pixel moves by clicks and arrow keys, and the
// view follows it as far as the picture reaches.
class LoupeState {
public:
    explicit LoupeState(const LoupeGeometry& geometry) noexcept : geometry_(geometry) {}

    const LoupeGeometry& Geometry() const noexcept { return geometry_; }
    // The screen pixel in the middle cell.
    Point View() const noexcept { return view_; }
    // The picked screen pixel, whose cell carries the frame.
    Point Selected() const noexcept { return selected_; }
    bool Held() const noexcept { return held_; }

    // Live sampling: centres the loupe on the sample and picks it.
    void Follow(Point sample) noexcept;

    // What to capture when sampling stops, centred on the picked pixel: twice the columns and rows the loupe shows
    // at factor 2 (plus the centre), so that even at factor 2 the view can move half its size either way.
    PixelRect HoldArea() const noexcept;

    // Sampling stopped on a picture of `captured`, of which `onScreen` holds real pixels: from now on the view
    // stays within `captured` and the picked pixel within `onScreen`.
    void Hold(const PixelRect& captured, const PixelRect& onScreen) noexcept;

    // While held, picks the pixel of the cell under a window point; false (nothing changes) when the point is on
    // no cell or its pixel lies beyond the screen.
    bool SelectAt(int32_t x, int32_t y) noexcept;

    // While held, moves the picked pixel and the view with it; each stops at the edge of its area.
    void MoveSelection(int32_t dx, int32_t dy) noexcept;

    // The wheel: the factor `steps` places along the list, stopping at the largest factor the box still holds a
    // cell of. Held, the view centres on the picked pixel again as far as the picture allows. True when the
    // factor changed.
    bool Zoom(int32_t steps) noexcept;

    // New cells, for a new display scale or box: held, the picture and the pick stay, and the view centres on the
    // pick again as far as the picture allows.
    void Arrange(const LoupeGeometry& geometry) noexcept;

    // The cell that shows the picked pixel, if the view shows it.
    std::optional<LoupeCell> SelectedCell() const noexcept;

private:
    DisplayScale Scale() const noexcept { return DisplayScale(geometry_.dpi); }
    Point ViewWithin(Point wanted) const noexcept;

    LoupeGeometry geometry_;
    Point view_;
    Point selected_;
    bool held_ = false;
    PixelRect captured_;
    PixelRect onScreen_;
};

}  // namespace pixlin
