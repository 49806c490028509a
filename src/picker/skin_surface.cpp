#include "picker/skin_surface.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "picker/picture_box.h"
#include "win32/dib_section.h"

namespace pixlin {

Bitmap ScaledSkinSurface(HBITMAP skin, const DisplayScale& scale) {
    const SIZE size = BitmapSize(skin);
    if (scale.IsStandard() || size.cx <= 0 || size.cy <= 0) {
        return Bitmap();
    }
    const int32_t width = scale.Pixels(static_cast<int32_t>(size.cx));
    const int32_t height = scale.Pixels(static_cast<int32_t>(size.cy));
    if (width <= 0 || height <= 0) {
        return Bitmap();
    }

    const WindowDc screen(nullptr);
    const MemoryDc sourceDc(CreateCompatibleDC(screen.get()));
    const MemoryDc targetDc(CreateCompatibleDC(screen.get()));
    void* sourceBits = nullptr;
    const Bitmap source = CreateTopDownBitmap(static_cast<UINT>(size.cx), static_cast<UINT>(size.cy), &sourceBits);
    void* targetBits = nullptr;
    Bitmap target = CreateTopDownBitmap(static_cast<UINT>(width), static_cast<UINT>(height), &targetBits);
    if (!sourceDc || !targetDc || !source || !target) {
        return Bitmap();
    }
    BITMAPINFO info = TopDownDibInfo(size.cx, size.cy);
    if (GetDIBits(screen.get(), skin, 0, static_cast<UINT>(size.cy), sourceBits, &info, DIB_RGB_COLORS) == 0) {
        return Bitmap();
    }
    const std::span<uint32_t> pixels(static_cast<uint32_t*>(sourceBits),
                                     static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    // GDI leaves the unused top byte as it likes; the key compares colours only.
    for (uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFFu;
    }
    BleedIntoKey(pixels, size.cx, size.cy, pixels[0]);

    const SelectedObject selectedSource(sourceDc.get(), source.get());
    const SelectedObject selectedTarget(targetDc.get(), target.get());
    SetStretchBltMode(targetDc.get(), HALFTONE);
    // HALFTONE wants the brush origin set after the mode.
    SetBrushOrgEx(targetDc.get(), 0, 0, nullptr);
    if (!StretchBlt(targetDc.get(), 0, 0, width, height, sourceDc.get(), 0, 0, size.cx, size.cy, SRCCOPY)) {
        return Bitmap();
    }
    return target;
}

}  // namespace pixlin
