#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/point.h"
#include "core/design/display_scale.h"
#include "core/design/form1_design.h"
#include "core/layout/layout_keys.h"
#include "core/loupe/loupe_state.h"
#include "win32/screen_capture.h"

namespace pixlin {

// A screen pixel picked in the loupe and its colour value 0x00BBGGRR, as the readouts take it.
struct LoupePick {
    Point pixel;
    COLORREF colour = 0;
};

// The window's loupe: the box the skin gives it, the screen pixels it last captured, and the picture of its cells.
// A skin that places no box has none, and then every call here does nothing.
class Form1Loupe {
public:
    // The box (twips at 100 %) and factor the layout gives; Arrange makes them take effect.
    void Place(const TwipsRect& place, int32_t factor);
    // Makes the cells for the box in the window's client area; no loupe when the box holds no cell.
    void Arrange(const DisplayScale& scale, const PixelRect& client);

    bool Active() const noexcept { return state_.has_value(); }
    bool Held() const noexcept { return state_ && state_->Held(); }
    // Where the cells lie and how large they are; nothing without a loupe.
    std::optional<LoupeGeometry> Geometry() const noexcept {
        return state_ ? std::optional<LoupeGeometry>(state_->Geometry()) : std::nullopt;
    }
    // Whether a window point lies in the loupe's box: the box takes its clicks and the wheel.
    bool Contains(int32_t x, int32_t y) const noexcept;
    // The screen pixel in the middle cell; nothing without a loupe.
    std::optional<Point> View() const noexcept { return state_ ? std::optional(state_->View()) : std::nullopt; }
    // The box in the window's pixels; none without a loupe.
    std::optional<PixelRect> Box() const noexcept;

    // Live sampling: centres the loupe on the sampled pixel and reads the screen around it through `screen`, a DC of
    // the whole screen. That one read holds the sampled pixel too: its colour value 0x00BBGGRR, when it was readable.
    std::optional<COLORREF> Follow(HWND window, HDC screen, Point sample);
    // Sampling stops: the loupe keeps a picture of the screen with room around the view to move in.
    void Hold(HWND window);
    // Sampling stops while the pointer is on the window itself: the loupe keeps the last picture it showed of the
    // screen outside the window, or holds as above when it never showed one.
    void HoldLastOutside(HWND window);
    // Sampling resumes: the next sample centres the loupe again.
    void Release() noexcept;

    // While held, picks the pixel under a window point or moves the pick; the pick when there is one.
    std::optional<LoupePick> SelectAt(HWND window, int32_t x, int32_t y);
    std::optional<LoupePick> MoveSelection(HWND window, int32_t dx, int32_t dy);

    // The wheel, in its units of WHEEL_DELTA per notch; a part notch is kept for the next turn.
    void Wheel(HWND window, int32_t delta);

    // Draws the cells into the window's paint buffer.
    void Paint(HDC dc) const;

private:
    std::optional<LoupePick> Pick() const;
    // A captured pixel's colour value; nothing for one off the screen or outside the capture.
    std::optional<COLORREF> ColourAt(Point pixel) const;
    // Reads the pixels the view shows through a DC of the whole screen.
    void Capture(HDC screen);
    void Render(HWND window);
    ScreenCapture& Current() noexcept { return captures_[current_]; }
    const ScreenCapture& Current() const noexcept { return captures_[current_]; }

    TwipsRect place_;
    bool placed_ = false;
    int32_t factor_ = kDefaultLoupeFactor;
    int32_t wheelRest_ = 0;
    std::optional<LoupeState> state_;
    // Two pictures: the one shown (`current_`) and the last one taken of the screen outside the window (`outside_`).
    // While the pointer is over the window the shown one is the other, so the outside picture survives it.
    std::array<ScreenCapture, 2> captures_;
    std::size_t current_ = 0;
    std::size_t outside_ = 0;
    std::optional<LoupeState> outsideState_;
    std::vector<uint32_t> cells_;
    // What the shown picture of the cells was made of (see LoupeKey) and what the next one would be: whether anything
    // changed is told from these, not from a second picture beside the shown one (178 KB for the default skin).
    std::vector<uint32_t> key_;
    std::vector<uint32_t> nextKey_;
};

}  // namespace pixlin
