#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "winsvc/bmp_pixels.h"
#include "winsvc/region_runs.h"

namespace {

constexpr std::int32_t kSize = 1000;
constexpr std::int32_t kKey = 0xFF00FF;

// A 1000 x 1000 skin with a transparent frame and scattered holes.
std::int32_t SkinPixel(std::int32_t x, std::int32_t y) {
    const bool frame = x < 10 || y < 10 || x >= kSize - 10 || y >= kSize - 10;
    const bool hole = (x * 7 + y * 13) % 97 == 0;
    return frame || hole ? kKey : x ^ y;
}

void BM_ScanRuns(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ScanRuns(kSize, kSize, SkinPixel));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_ScanRuns);

// Baseline: every pixel compared with the key and counted, without building any runs.
void BM_BaselineCompareEveryPixel(benchmark::State& state) {
    for (auto _ : state) {
        std::int64_t opaque = 0;
        for (std::int32_t y = 0; y < kSize; ++y) {
            for (std::int32_t x = 0; x < kSize; ++x) {
                opaque += SkinPixel(x, y) != kKey ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(opaque);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_BaselineCompareEveryPixel);

// A 1000 x 1000 24-bit bottom-up BMP file, as a skin author saves one.
std::string SkinBmp() {
    constexpr std::uint32_t kStride = kSize * 3;
    std::string file(54 + std::size_t{kStride} * kSize, '\0');
    const auto put32 = [&file](std::size_t at, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, kSize);
    put32(22, kSize);
    file[26] = 1;
    file[28] = 24;
    for (std::int32_t y = 0; y < kSize; ++y) {
        for (std::int32_t x = 0; x < kSize; ++x) {
            const std::int32_t pixel = SkinPixel(x, y);
            const std::size_t at = 54 + std::size_t{kStride} * static_cast<std::size_t>(y) + 3 * std::size_t(x);
            file[at] = static_cast<char>(pixel & 0xFF);
            file[at + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            file[at + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
    }
    return file;
}

void BM_ReadBmpPixels(benchmark::State& state) {
    const std::string file = SkinBmp();
    std::vector<std::uint32_t> pixels(std::size_t{kSize} * kSize);
    for (auto _ : state) {
        const auto layout = pixlin::ReadBmpLayout(file, 16384);
        pixlin::CopyBmpPixels(file, *layout, pixels.data());
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_ReadBmpPixels);

// Baseline: the same bytes copied as they are, without turning rows and pixels around.
void BM_BaselineCopyBytes(benchmark::State& state) {
    const std::string file = SkinBmp();
    std::string copy(file.size(), '\0');
    for (auto _ : state) {
        copy.assign(file);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_BaselineCopyBytes);

}  // namespace
