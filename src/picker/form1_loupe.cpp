#include "picker/form1_loupe.h"

#include <utility>

#include "core/loupe/loupe_render.h"
#include "win32/draw_pixels.h"
#include "win32/win_handles.h"

namespace pixlin {
namespace {

void Invalidate(HWND window, const PixelRect& area) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(window, &rect, FALSE);
}

}  // namespace

void Form1Loupe::Place(const TwipsRect& place, int32_t factor) {
    place_ = place;
    factor_ = factor;
    placed_ = true;
}

// The box and the cells scale with the display like every control's place. A held loupe keeps its picture and its
// pick: sampling stays stopped, so there is nothing else to show.
void Form1Loupe::Arrange(const DisplayScale& scale, const PixelRect& client) {
    std::optional<LoupeState> before = std::exchange(state_, std::nullopt);
    cells_.clear();
    key_.clear();
    // A picture of other cells is no picture to go back to.
    outsideState_.reset();
    if (!placed_) {
        return;
    }
    const std::optional<LoupeGeometry> geometry = MakeLoupeGeometry(ToPixels(place_, scale), factor_, client, scale);
    if (!geometry) {
        return;
    }
    if (before && before->Held()) {
        state_ = before;
        state_->Arrange(*geometry);
        LoupeKey(*state_, Current().Pixels(), key_);
        RenderLoupe(*state_, Current().Pixels(), cells_);
    } else {
        state_.emplace(*geometry);
    }
}

bool Form1Loupe::Contains(int32_t x, int32_t y) const noexcept {
    return state_ && state_->Geometry().box.Contains(x, y);
}

std::optional<PixelRect> Form1Loupe::Box() const noexcept {
    return state_ ? std::optional(state_->Geometry().box) : std::nullopt;
}

std::optional<COLORREF> Form1Loupe::Follow(HWND window, HDC screen, Point sample) {
    if (!state_) {
        return std::nullopt;
    }
    RECT self{};
    GetWindowRect(window, &self);
    const bool outside = !PixelRect{self.left, self.top, self.right, self.bottom}.Contains(sample.x, sample.y);
    current_ = outside ? outside_ : 1 - outside_;
    state_->Follow(sample);
    Capture(screen);
    if (outside) {
        outsideState_ = state_;
    }
    Render(window);
    return ColourAt(sample);
}

void Form1Loupe::Hold(HWND window) {
    if (!state_) {
        return;
    }
    const PixelRect area = state_->HoldArea();
    Current().Capture(area);
    state_->Hold(area, Current().Pixels().valid);
    Render(window);
}

void Form1Loupe::HoldLastOutside(HWND window) {
    if (!state_ || !outsideState_) {
        Hold(window);
        return;
    }
    current_ = outside_;
    state_ = outsideState_;
    const ScreenPixels picture = Current().Pixels();
    state_->Hold(picture.area, picture.valid);
    Render(window);
}

void Form1Loupe::Release() noexcept {
    if (state_) {
        state_->Follow(state_->Selected());
    }
}

std::optional<LoupePick> Form1Loupe::SelectAt(HWND window, int32_t x, int32_t y) {
    if (!state_ || !state_->SelectAt(x, y)) {
        return std::nullopt;
    }
    Render(window);
    return Pick();
}

std::optional<LoupePick> Form1Loupe::MoveSelection(HWND window, int32_t dx, int32_t dy) {
    if (!Held()) {
        return std::nullopt;
    }
    state_->MoveSelection(dx, dy);
    Render(window);
    return Pick();
}

void Form1Loupe::Wheel(HWND window, int32_t delta) {
    if (!state_) {
        return;
    }
    wheelRest_ += delta;
    const int32_t steps = wheelRest_ / WHEEL_DELTA;
    wheelRest_ -= steps * WHEEL_DELTA;
    const PixelRect before = state_->Geometry().grid;
    if (steps == 0 || !state_->Zoom(steps)) {
        return;
    }
    outsideState_.reset();
    // Live, fewer cells or more may show than were read; held, the picture already holds the margin.
    if (!state_->Held()) {
        Capture(WindowDc(nullptr).get());
    }
    Invalidate(window, before);
    Render(window);
}

void Form1Loupe::Paint(HDC dc) const {
    if (state_) {
        DrawPixels(dc, state_->Geometry().grid, cells_);
    }
}

std::optional<LoupePick> Form1Loupe::Pick() const {
    const Point pixel = state_->Selected();
    if (const std::optional<COLORREF> colour = ColourAt(pixel)) {
        return LoupePick{pixel, *colour};
    }
    return std::nullopt;
}

std::optional<COLORREF> Form1Loupe::ColourAt(Point pixel) const {
    const std::optional<int32_t> colour = Current().Pixels().ColourAt(pixel.x, pixel.y);
    return colour ? std::optional<COLORREF>(static_cast<COLORREF>(*colour)) : std::nullopt;
}

void Form1Loupe::Capture(HDC screen) {
    Current().Capture(screen, state_->Geometry().ShownArea(state_->View()));
}

// Over a plain area a move leaves every cell as it was; drawing them again would cost a repaint every tick.
void Form1Loupe::Render(HWND window) {
    LoupeKey(*state_, Current().Pixels(), nextKey_);
    if (nextKey_ != key_) {
        key_.swap(nextKey_);
        RenderLoupe(*state_, Current().Pixels(), cells_);
        Invalidate(window, state_->Geometry().grid);
    }
}

}  // namespace pixlin
