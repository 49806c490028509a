#include "win32/dc_pixel_rows.h"

#include <algorithm>

#include "core/base/run_error.h"
#include "win32/dib_section.h"

namespace pixlin {
namespace {

constexpr std::int32_t kBandBytes = 1024 * 1024;

SIZE SelectedBitmapSize(HDC dc) noexcept {
    BITMAP bitmap{};
    const HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (selected == nullptr || GetObjectW(selected, sizeof(bitmap), &bitmap) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

}  // namespace

DcPixelRows::DcPixelRows(HDC dc, std::int32_t width)
    : source_(dc),
      width_(std::max(width, 1)),
      sourceSize_(SelectedBitmapSize(dc)),
      bandRows_(std::max(kBandBytes / 4 / width_, 1)),
      bandDc_(CreateCompatibleDC(dc)) {
    void* bits = nullptr;
    if (!bandDc_) {
        ThrowOutOfResources();
    }
    band_.emplace(bandDc_.get(), CreateTopDownBitmap(static_cast<UINT>(width_), static_cast<UINT>(bandRows_), &bits));
    if (!*band_) {
        ThrowOutOfResources();
    }
    bits_ = static_cast<const std::uint32_t*>(bits);
}

std::int32_t DcPixelRows::At(std::int32_t x, std::int32_t y) {
    if (x < 0 || y < 0 || x >= std::min<std::int32_t>(width_, sourceSize_.cx) || y >= sourceSize_.cy) {
        return static_cast<std::int32_t>(CLR_INVALID);
    }
    if (y < bandTop_ || y >= bandTop_ + loadedRows_) {
        LoadBand(y);
    }
    // 0x00RRGGBB in the band, 0x00BBGGRR as a colour value.
    const std::uint32_t pixel =
        bits_[static_cast<std::size_t>(y - bandTop_) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    return static_cast<std::int32_t>(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
}

void DcPixelRows::LoadBand(std::int32_t top) {
    const std::int32_t rows = std::min<std::int32_t>(bandRows_, sourceSize_.cy - top);
    const std::int32_t columns = std::min<std::int32_t>(width_, sourceSize_.cx);
    if (!BitBlt(bandDc_.get(), 0, 0, columns, rows, source_, 0, top, SRCCOPY)) {
        ThrowOutOfResources();
    }
    GdiFlush();
    bandTop_ = top;
    loadedRows_ = rows;
}

}  // namespace pixlin
