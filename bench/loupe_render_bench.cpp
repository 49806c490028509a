#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/loupe/loupe_render.h"

namespace {

// A 120 x 120 loupe box over a live view, at the factor given as the benchmark's argument.
constexpr int32_t kBoxSide = 120;

void BM_RenderLoupe(benchmark::State& state) {
    const pixlin::PixelRect box{0, 0, kBoxSide, kBoxSide};
    pixlin::LoupeState loupe(*pixlin::MakeLoupeGeometry(box, static_cast<int32_t>(state.range(0)), box));
    loupe.Follow({500, 400});
    const pixlin::PixelRect area = loupe.Geometry().ShownArea(loupe.View());
    std::vector<uint32_t> captured;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            captured.push_back(static_cast<uint32_t>(x * 2654435761u ^ y * 40503u));
        }
    }
    const pixlin::ScreenPixels screen{area, area, captured};
    std::vector<uint32_t> out;
    for (auto _ : state) {
        pixlin::RenderLoupe(loupe, screen, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}
BENCHMARK(BM_RenderLoupe)->Arg(2)->Arg(8)->Arg(32);

// Baseline: filling the same 120 x 120 pixels with one colour.
void BM_BaselineFillLoupeBox(benchmark::State& state) {
    std::vector<uint32_t> out(kBoxSide * kBoxSide);
    uint32_t colour = 0;
    for (auto _ : state) {
        std::fill(out.begin(), out.end(), ++colour);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}
BENCHMARK(BM_BaselineFillLoupeBox);

}  // namespace
