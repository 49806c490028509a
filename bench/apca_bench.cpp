#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "core/colour/apca.h"
#include "core/colour/contrast.h"

namespace {

// Light and dark text on light and dark backgrounds, near-black pairs (the soft clamp) and pairs too close to tell.
constexpr std::array<pixlin::Rgb, 8> kColours{{
    {0x88, 0x88, 0x88},
    {0xFF, 0xFF, 0xFF},
    {0x00, 0x00, 0x00},
    {0x11, 0x22, 0x33},
    {0xDD, 0xEE, 0xFF},
    {0x22, 0x33, 0x44},
    {0xFF, 0x80, 0x00},
    {0x03, 0x02, 0x01},
}};

void BM_ApcaLc(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ApcaLc(kColours[next % 8], kColours[(next / 8) % 8]));
        next = (next + 1) % 64;
    }
}
BENCHMARK(BM_ApcaLc);

void BM_ApcaText(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ApcaText(kColours[next % 8], kColours[(next / 8) % 8]));
        next = (next + 1) % 64;
    }
}
BENCHMARK(BM_ApcaText);

// Baseline: the WCAG 2 readout the picker shows beside it.
void BM_WcagContrastText(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ContrastText(kColours[next % 8], kColours[(next / 8) % 8]));
        next = (next + 1) % 64;
    }
}
BENCHMARK(BM_WcagContrastText);

}  // namespace
