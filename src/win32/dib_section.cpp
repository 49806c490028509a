#include "win32/dib_section.h"

#include <utility>

namespace pixlin {

BITMAPINFO TopDownDibInfo(LONG width, LONG height) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Bitmap CreateTopDownBitmap(UINT width, UINT height, void** bits) {
    const BITMAPINFO info = TopDownDibInfo(static_cast<LONG>(width), static_cast<LONG>(height));
    *bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    return *bits != nullptr ? std::move(bitmap) : Bitmap();
}

}  // namespace pixlin
