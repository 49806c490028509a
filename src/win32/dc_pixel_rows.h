#pragma once

#include <cstdint>
#include <optional>

#include "win32/win_handles.h"

namespace pixlin {

// The pixels of the bitmap selected into a memory device context, with the values GetPixel gives, copied out a band
// of rows at a time: one pixel costs a memory read instead of a call into the system, and the memory stays bounded
// however large the bitmap. Rows are meant to be read from the top down.
class DcPixelRows {
public:
    // Throws when the system cannot make the band.
    DcPixelRows(HDC dc, std::int32_t width);

    // The colour value of the pixel, CLR_INVALID beyond the selected bitmap.
    std::int32_t At(std::int32_t x, std::int32_t y);

private:
    void LoadBand(std::int32_t top);

    HDC source_;
    std::int32_t width_;
    SIZE sourceSize_{};
    std::int32_t bandRows_;
    std::int32_t bandTop_ = -1;
    std::int32_t loadedRows_ = 0;
    // The band leaves the DC and is deleted before the DC is.
    MemoryDc bandDc_;
    std::optional<SelectedBitmap> band_;
    const std::uint32_t* bits_ = nullptr;
};

}  // namespace pixlin
