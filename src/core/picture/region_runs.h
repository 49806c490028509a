#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixlin {

// Above this many runs the picker gives the window a simpler shape: each row filled from its first to its last opaque
// pixel.
inline constexpr std::int32_t kMaxShapeRuns = 10000;

// One run of opaque pixels in one row, in pixels; left and top inclusive, right and bottom exclusive.
struct RunRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const RunRect&) const = default;
};

// Calls `onRun(const RunRect&)` for each opaque run of a skin bitmap, row by row from the top, left to right. The key
// colour is the pixel at (0, 0); every pixel of exactly that colour is transparent, every other pixel opaque.
// `pixelAt(x, y)` returns a colour value and is only called inside the bitmap, (0, 0) first, then row by row.
template <typename PixelAt, typename OnRun>
void ForEachRun(std::int32_t width, std::int32_t height, PixelAt&& pixelAt, OnRun&& onRun) {
    if (width <= 0 || height <= 0) {
        return;
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
            onRun(RunRect{start, y, x, y + 1});
        }
    }
}

// All opaque runs, as ForEachRun finds them.
template <typename PixelAt>
std::vector<RunRect> ScanRuns(std::int32_t width, std::int32_t height, PixelAt&& pixelAt) {
    std::vector<RunRect> runs;
    ForEachRun(width, height, pixelAt, [&runs](const RunRect& run) { runs.push_back(run); });
    return runs;
}

// The window's shape: the opaque runs, or, when there are more than `maxRuns`, each row filled from its first to
// its last opaque pixel (one rectangle per row). Never holds more than maxRuns + 1 runs and one rectangle per row,
// however many runs the bitmap has.
template <typename PixelAt>
std::vector<RunRect> ScanShape(std::int32_t width,
                               std::int32_t height,
                               PixelAt&& pixelAt,
                               std::size_t maxRuns = static_cast<std::size_t>(kMaxShapeRuns)) {
    std::vector<RunRect> runs;
    std::vector<RunRect> rows;
    ForEachRun(width, height, pixelAt, [&](const RunRect& run) {
        if (!rows.empty() && rows.back().top == run.top) {
            rows.back().right = run.right;
        } else {
            rows.push_back(run);
        }
        if (runs.size() <= maxRuns) {
            runs.push_back(run);
        }
    });
    return runs.size() > maxRuns ? rows : runs;
}

}  // namespace pixlin
