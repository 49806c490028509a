#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "win32/win_handles.h"

namespace pixlin {

// The off-screen picture a window is drawn into before it goes to the screen, so that nothing flickers while it
// changes. It holds a band of the window's rows, not the whole window: a window-sized buffer kept for the window's life
// cost the default skin's picker 0.77 MB, and a new one for each paint would cost time at a hundred ticks a second.
class PaintBuffer {
public:
    // A paint never takes more than this many bands, whatever its area.
    static constexpr int32_t kMostBands = 5;

    PaintBuffer() = default;
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // Draws the `update` region (window coordinates) of a window of the size onto `target`, a band of rows at a
    // time. A band begins at the first row of the region not yet drawn and is as tall as the buffer. For each band
    // `draw` draws into a DC in window coordinates, clipped to the band's part of the region, which it is given too;
    // only that part then goes to `target`. Nothing is drawn when the system cannot provide a buffer.
    void Paint(HDC target,
               HRGN update,
               int32_t width,
               int32_t height,
               const std::function<void(HDC buffer, HRGN part)>& draw);

    // The rows of a band for a window of the height: as few as draw the tallest paint in kMostBands bands.
    static int32_t BandRows(int32_t height) noexcept;

private:
    // A device context holding a bitmap of the size, made anew only when the size differs from the last one; null
    // when the system cannot provide one.
    HDC Prepare(HDC compatibleWith, int32_t width, int32_t height);

    MemoryDc dc_;
    Bitmap bitmap_;
    // Declared last, so that the bitmap is taken out of the device context before either goes.
    std::optional<SelectedObject> selected_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace pixlin
