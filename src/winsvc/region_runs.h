#pragma once

#include <cstdint>
#include <vector>

namespace pixlin {

// Above this many runs the picker gives the window a simpler shape: each row filled from its first to its last opaque
// pixel.
inline constexpr std::int32_t kMaxShapeRuns = 30000;

// One run of opaque pixels in one row, in pixels; left and top inclusive, right and bottom exclusive.
struct RunRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const RunRect&) const = default;
};

// The opaque runs of a skin bitmap, row by row from the top, left to right. The key colour is the pixel at (0, 0);
// every pixel of exactly that colour is transparent, every other pixel opaque. `pixelAt(x, y)` returns a colour value
// and is only called inside the bitmap, (0, 0) first.
template <typename PixelAt>
std::vector<RunRect> ScanRuns(std::int32_t width, std::int32_t height, PixelAt&& pixelAt) {
    std::vector<RunRect> runs;
    if (width <= 0 || height <= 0) {
        return runs;
    }
    const std::int32_t key = pixelAt(0, 0);
    for (std::int32_t y = 0; y < height; ++y) {
        std::int32_t x = 0;
        while (x < width) {
            while (x < width && pixelAt(x, y) == key) {
                ++x;
            }
            if (x >= width) {
                break;
            }
            const std::int32_t start = x;
            while (x < width && pixelAt(x, y) != key) {
                ++x;
            }
            runs.push_back(RunRect{start, y, x, y + 1});
        }
    }
    return runs;
}

}  // namespace pixlin
