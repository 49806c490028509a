#pragma once

// Every BMP variant the system's decoder takes, read without the system: palettes of 1, 4 and 8 bits, RLE4 and
// RLE8, 16 bits in 5-5-5 and 5-6-5, 24 and 32 bits, bottom-up and top-down, and the old 12-byte core header. The
// picker reads plain 24- and 32-bit files with bmp_pixels and leaves the rest to the system; the skin checker reads
// all of them here, where the system's decoder is not at hand.

#include <cstdint>
#include <string_view>
#include <vector>

namespace pixlin {

enum class BmpOutcome {
    Decoded,
    // A BMP whose sides or pixels are over the limits; its claimed size is kept.
    TooLarge,
    // A kind of BMP (JPEG or PNG inside, unusual bit fields, a top-down RLE) that this reader does not take.
    Unsupported,
    // Not a BMP, or one whose header or pixels reach past its end.
    Damaged,
};

struct BmpPicture {
    BmpOutcome outcome = BmpOutcome::Damaged;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    // Top-down rows of 0x00RRGGBB values.
    std::vector<uint32_t> pixels;
    // Pixels the file leaves to the decoder: skipped by RLE codes or indexes past the palette. They are black
    // here; what the system's decoder makes of them is not known.
    uint64_t undefinedPixels = 0;
};

BmpPicture DecodeAnyBmp(std::string_view file, int32_t maxSide, uint64_t maxPixelBytes);

}  // namespace pixlin
