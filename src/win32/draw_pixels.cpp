#include "win32/draw_pixels.h"

#include <cstddef>

#include "win32/dib_section.h"

namespace pixlin {

bool DrawPixels(HDC dc, const PixelRect& place, std::span<const uint32_t> pixels) {
    const int64_t width = int64_t{place.right} - place.left;
    const int64_t height = int64_t{place.bottom} - place.top;
    if (width <= 0 || height <= 0 || static_cast<uint64_t>(width * height) != pixels.size()) {
        return false;
    }
    const BITMAPINFO info = TopDownDibInfo(static_cast<LONG>(width), static_cast<LONG>(height));
    const auto lines = static_cast<UINT>(height);
    return SetDIBitsToDevice(dc, place.left, place.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                             lines, pixels.data(), &info, DIB_RGB_COLORS) == static_cast<int>(lines);
}

}  // namespace pixlin
