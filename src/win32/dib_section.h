#pragma once

#include "win32/win_handles.h"

namespace pixlin {

// The description of top-down 32-bit pixels of the size: rows without gaps, 0x00RRGGBB each.
BITMAPINFO TopDownDibInfo(LONG width, LONG height) noexcept;

// A DIB section of such pixels, and where they go. An empty Bitmap, and a null `bits`, when the system cannot make
// it.
Bitmap CreateTopDownBitmap(UINT width, UINT height, void** bits);

}  // namespace pixlin
