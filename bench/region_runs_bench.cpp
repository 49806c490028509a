#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/picture/bmp_pixels.h"
#include "core/picture/region_runs.h"
#include "support/bmp_file.h"

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
    return pixlin::testing::BmpFile({.width = kSize, .height = kSize}, [](std::uint32_t x, std::uint32_t row) {
        return static_cast<std::uint32_t>(SkinPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(row)));
    });
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
