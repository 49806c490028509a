#pragma once

#include <cstdint>
#include <optional>

#include "core/loupe/screen_pixels.h"
#include "win32/win_handles.h"

namespace pixlin {

// A block of screen pixels for the loupe, read with one BitBlt into a 32-bit DIB section. The DIB is kept, selected in
// its DC, from one capture to the next and made anew only when the block's size changes.
class ScreenCapture {
public:
    // Reads `area` (screen pixels) of the virtual screen; the part beyond it is marked as holding no pixels. False
    // when nothing could be read: then the block holds no pixels at all, never those of an earlier capture.
    bool Capture(const PixelRect& area);
    // The same through a DC of the whole screen the caller already holds.
    bool Capture(HDC screen, const PixelRect& area);

    // The same from any DC whose readable pixels are `bounds`, in the DC's coordinates, which are also the area's.
    bool CaptureFrom(HDC source, const PixelRect& bounds, const PixelRect& area);

    // The last capture's block; its pixels stay readable until the next capture.
    ScreenPixels Pixels() const noexcept;

private:
    bool Reserve(int32_t width, int32_t height);

    MemoryDc dc_;
    Bitmap bitmap_;
    // The DIB stays in the DC between captures: under Wine every selection also selects the DC's font anew, and with
    // it reads the X resource files again.
    std::optional<SelectedObject> selected_;
    uint32_t* bits_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    PixelRect area_;
    PixelRect valid_;
};

}  // namespace pixlin
