#pragma once

#include <cstdint>
#include <span>

#include "core/base/rect.h"

#include <windows.h>

namespace pixlin {

// Draws pixels as a 32-bit DIB holds them (0x00RRGGBB, rows top-down of the place's width) into a DC at `place`.
// False for an empty place, pixels that do not fill it, or when GDI refuses.
bool DrawPixels(HDC dc, const PixelRect& place, std::span<const uint32_t> pixels);

}  // namespace pixlin
