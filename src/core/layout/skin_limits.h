#pragma once

#include <cstdint>

namespace pixlin {

// The limits the picker puts on a skin's files, which pixlin-skin reports by the same numbers.

// Larger skin pictures are refused rather than risk exhausting memory on a damaged or hostile file; the window then
// keeps its built-in skin.
inline constexpr std::int32_t kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxPictureBytes = 256u * 1024u * 1024u;
// A file larger than the largest picture's pixels and room for its headers, palette and metadata is refused by its
// size, before anything of it is read.
inline constexpr std::uint64_t kMaxPictureFileBytes = kMaxPictureBytes + 1024u * 1024u;

// No layout comes near this size; a larger file is damaged or hostile, and is refused before anything of it is read,
// as a missing one is: the picker says so and ends.
inline constexpr std::uint64_t kMaxLayoutBytes = 64u * 1024u * 1024u;

// The limits as one value, for a reader that may be given tighter ones (a fuzzer keeps each run quick).
struct PictureLimits {
    std::int32_t maxSide = kMaxPictureSide;
    std::uint64_t maxBytes = kMaxPictureBytes;

    // Whether a picture of this size, 4 bytes a pixel, is within the limits.
    bool Allow(std::int64_t width, std::int64_t height) const {
        return width > 0 && height > 0 && width <= maxSide && height <= maxSide &&
               static_cast<std::uint64_t>(width * height) * 4 <= maxBytes;
    }
};

}  // namespace pixlin
