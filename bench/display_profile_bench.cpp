#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "core/profile/display_profile.h"
#include "core/profile/icc_profile.h"

namespace {

// A P3 display as a version 4 profile describes it: its colorants adapted to D50 and sRGB's curve.
pixlin::MatrixTrc P3Display() {
    pixlin::ToneCurve curve;
    curve.function = 3;
    curve.params = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045, 0, 0};
    return {{{{0.5151, 0.2412, -0.0011}, {0.2920, 0.6922, 0.0419}, {0.1571, 0.0666, 0.7841}}}, {curve, curve, curve}};
}

// Colours across the cube, so that the searches take every path.
constexpr std::array<pixlin::Rgb, 8> kColours{{{0, 0, 0},
                                               {255, 255, 255},
                                               {255, 0, 0},
                                               {0, 255, 0},
                                               {30, 60, 200},
                                               {128, 128, 128},
                                               {250, 128, 5},
                                               {12, 200, 180}}};

// One pixel read from the display to sRGB, outside flag and unclipped colour: what each sample costs.
void BM_DisplayToSrgb(benchmark::State& state) {
    const pixlin::DisplayTransform transform(P3Display());
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(transform.ToSrgb(kColours[next]));
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_DisplayToSrgb);

// What a new display profile costs once: its classification and the conversion's tables.
void BM_ClassifyAndBuild(benchmark::State& state) {
    pixlin::IccProfile profile;
    profile.matrixTrc = P3Display();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ClassifyProfile(profile));
        benchmark::DoNotOptimize(pixlin::DisplayTransform(*profile.matrixTrc));
    }
}
BENCHMARK(BM_ClassifyAndBuild);

}  // namespace
