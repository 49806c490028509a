#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "win32/win_handles.h"

namespace pixlin {

// The off-screen picture a window is drawn into before it goes to the screen in one piece. Kept from paint to
// paint: at a hundred ticks a second a new whole-window bitmap for each would cost time and memory for nothing.
class PaintBuffer {
public:
    PaintBuffer() = default;
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // A device context holding a bitmap of the size, made anew only when the size differs from the last one; null
    // when the system cannot provide one.
    HDC Prepare(HDC compatibleWith, int32_t width, int32_t height);

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    // Declared last, so that the bitmap is taken out of the device context before either goes.
    std::optional<SelectedObject> selected_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace pixlin
