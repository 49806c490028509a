#include "core/loupe/loupe_state.h"

#include <algorithm>

namespace pixlin {

namespace {

bool IsEmpty(const PixelRect& rect) {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

// The nearest value to `wanted` from lo to hi; the middle of the range when it is too short (hi < lo).
int32_t ClampOrMiddle(int32_t wanted, int32_t lo, int32_t hi) {
    if (hi < lo) {
        return lo + (hi - lo) / 2;
    }
    return std::clamp(wanted, lo, hi);
}

int32_t ClampedSum(int32_t value, int32_t delta, int32_t lo, int32_t hi) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{value} + delta, lo, hi));
}

}  // namespace

void LoupeState::Follow(Point sample) noexcept {
    held_ = false;
    view_ = sample;
    selected_ = sample;
}

PixelRect LoupeState::HoldArea() const noexcept {
    // The box held a cell at the current factor, so it holds more at factor 2.
    const auto widest = MakeLoupeGeometry(geometry_.box, kMinLoupeFactor, geometry_.box, Scale()).value_or(geometry_);
    return {selected_.x - widest.columns, selected_.y - widest.rows, selected_.x + widest.columns + 1,
            selected_.y + widest.rows + 1};
}

void LoupeState::Hold(const PixelRect& captured, const PixelRect& onScreen) noexcept {
    held_ = true;
    captured_ = captured;
    onScreen_ = {std::max(captured.left, onScreen.left), std::max(captured.top, onScreen.top),
                 std::min(captured.right, onScreen.right), std::min(captured.bottom, onScreen.bottom)};
    view_ = ViewWithin(view_);
}

bool LoupeState::SelectAt(int32_t x, int32_t y) noexcept {
    const std::optional<LoupeCell> cell = geometry_.CellAt(x, y);
    if (!held_ || !cell) {
        return false;
    }
    const Point pixel = geometry_.PixelIn(*cell, view_);
    if (!onScreen_.Contains(pixel.x, pixel.y)) {
        return false;
    }
    selected_ = pixel;
    return true;
}

void LoupeState::MoveSelection(int32_t dx, int32_t dy) noexcept {
    if (!held_ || IsEmpty(onScreen_)) {
        return;
    }
    const Point moved{ClampedSum(selected_.x, dx, onScreen_.left, onScreen_.right - 1),
                      ClampedSum(selected_.y, dy, onScreen_.top, onScreen_.bottom - 1)};
    // The view moves only as far as the pick did, so the frame keeps its cell until the view meets the edge.
    view_ = ViewWithin({view_.x + moved.x - selected_.x, view_.y + moved.y - selected_.y});
    selected_ = moved;
}

bool LoupeState::Zoom(int32_t steps) noexcept {
    int32_t factor = StepLoupeFactor(geometry_.factor, steps);
    std::optional<LoupeGeometry> zoomed = MakeLoupeGeometry(geometry_.box, factor, geometry_.box, Scale());
    // Smaller factors always fit; a larger one that does not gives way to the next smaller, never below the current.
    while (!zoomed && factor > geometry_.factor) {
        factor = StepLoupeFactor(factor, -1);
        if (factor > geometry_.factor) {
            zoomed = MakeLoupeGeometry(geometry_.box, factor, geometry_.box, Scale());
        }
    }
    if (!zoomed || factor == geometry_.factor) {
        return false;
    }
    Arrange(*zoomed);
    return true;
}

void LoupeState::Arrange(const LoupeGeometry& geometry) noexcept {
    geometry_ = geometry;
    if (held_) {
        view_ = ViewWithin(selected_);
    }
}

std::optional<LoupeCell> LoupeState::SelectedCell() const noexcept {
    const PixelRect shown = geometry_.ShownArea(view_);
    if (!shown.Contains(selected_.x, selected_.y)) {
        return std::nullopt;
    }
    return LoupeCell{selected_.x - shown.left, selected_.y - shown.top};
}

Point LoupeState::ViewWithin(Point wanted) const noexcept {
    if (!held_ || IsEmpty(captured_)) {
        return wanted;
    }
    const int32_t halfColumns = geometry_.columns / 2;
    const int32_t halfRows = geometry_.rows / 2;
    return {ClampOrMiddle(wanted.x, captured_.left + halfColumns, captured_.right - 1 - halfColumns),
            ClampOrMiddle(wanted.y, captured_.top + halfRows, captured_.bottom - 1 - halfRows)};
}

}  // namespace pixlin
