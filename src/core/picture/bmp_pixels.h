#pragma once

// Uncompressed 24- and 32-bit BMP files, read without the system: the common skin format loads quickly and without
// the imaging component. Everything else (palettes, compression, other formats) is left to the system's loader.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pixlin {

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    uint32_t bytesPerPixel = 0;
    uint64_t pixelOffset = 0;
    uint64_t stride = 0;
};

// The layout of a whole, uncompressed 24- or 32-bit BMP file with sides of 1 to maxSide pixels; nothing for any
// other file, a truncated one included.
std::optional<BmpLayout> ReadBmpLayout(std::string_view file, int32_t maxSide) noexcept;

// The pixels as top-down rows of 0x00RRGGBB values, width * height of them, into out.
void CopyBmpPixels(std::string_view file, const BmpLayout& layout, uint32_t* out) noexcept;

}  // namespace pixlin
