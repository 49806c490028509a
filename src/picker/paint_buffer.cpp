#include "picker/paint_buffer.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace pixlin {
namespace {

// The rectangles a region is made of; none when the system cannot tell them.
std::vector<RECT> RegionRects(HRGN region) {
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    if (bytes < sizeof(RGNDATAHEADER)) {
        return {};
    }
    std::vector<RECT> data((bytes + sizeof(RECT) - 1) / sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATA*>(data.data());
    if (GetRegionData(region, bytes, header) == 0) {
        return {};
    }
    const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
    return {rects, rects + header->rdh.nCount};
}

// The first row at or below `y` that a rectangle covers; nothing when none reaches below `y`.
std::optional<int32_t> FirstRowFrom(const std::vector<RECT>& rects, int32_t y) {
    std::optional<int32_t> first;
    for (const RECT& rect : rects) {
        if (rect.bottom > y) {
            const int32_t row = std::max<int32_t>(rect.top, y);
            first = std::min(first.value_or(row), row);
        }
    }
    return first;
}

}  // namespace

int32_t PaintBuffer::BandRows(int32_t height) noexcept {
    return std::max(1, height / kMostBands + (height % kMostBands != 0 ? 1 : 0));
}

void PaintBuffer::Paint(HDC target,
                        HRGN update,
                        int32_t width,
                        int32_t height,
                        const std::function<void(HDC buffer, HRGN part)>& draw) {
    RECT box{};
    if (width <= 0 || height <= 0 || GetRgnBox(update, &box) == NULLREGION) {
        return;
    }
    const int32_t rows = BandRows(height);
    const HDC buffer = Prepare(target, width, rows);
    const Region band(CreateRectRgn(0, 0, 0, 0));
    const Region part(CreateRectRgn(0, 0, 0, 0));
    if (buffer == nullptr || !band || !part) {
        return;
    }
    const std::vector<RECT> rects = RegionRects(update);
    const int saved = SaveDC(target);
    for (std::optional<int32_t> top = FirstRowFrom(rects, std::numeric_limits<int32_t>::min()); top;) {
        const int32_t bottom = std::min<int32_t>(*top + rows, box.bottom);
        SetRectRgn(band.get(), box.left, *top, box.right, bottom);
        CombineRgn(part.get(), update, band.get(), RGN_AND);
        // The buffer's first row is the band's; a clip region is in the buffer's own pixels.
        SetWindowOrgEx(buffer, 0, *top, nullptr);
        OffsetRgn(part.get(), 0, -*top);
        SelectClipRgn(buffer, part.get());
        OffsetRgn(part.get(), 0, *top);
        draw(buffer, part.get());
        // The rest of the band holds what an earlier band left there.
        SelectClipRgn(target, part.get());
        BitBlt(target, box.left, *top, box.right - box.left, bottom - *top, buffer, box.left, *top, SRCCOPY);
        top = FirstRowFrom(rects, bottom);
    }
    RestoreDC(target, saved);
}

HDC PaintBuffer::Prepare(HDC compatibleWith, int32_t width, int32_t height) {
    if (bitmap_ && width == width_ && height == height_) {
        return dc_.get();
    }
    selected_.reset();
    bitmap_.reset();
    if (!dc_) {
        dc_ = MemoryDc(CreateCompatibleDC(compatibleWith));
        if (!dc_) {
            return nullptr;
        }
    }
    bitmap_ = Bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!bitmap_) {
        return nullptr;
    }
    selected_.emplace(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    return dc_.get();
}

}  // namespace pixlin
