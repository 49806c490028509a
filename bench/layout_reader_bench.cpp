#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "window/layout_reader.h"
#include "winsvc/region_runs.h"

namespace {

std::string TypicalSkinFile(int repeats) {
    std::string file;
    for (int i = 0; i < repeats; ++i) {
        file +=
            "rgb=12,30,120,16,0\r\nhex=12,50,120,16,16711680\r\npreview=140,10,40,40\r\n"
            "text=12,70,150,18,65280\r\nquit=180,2,12,12\r\ntrans=80\r\nunknown line\r\n";
    }
    return file;
}

void BM_ReadLayoutFile(benchmark::State& state) {
    const std::string file = TypicalSkinFile(10'000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ReadLayoutFile(file, pixlin::LayoutScale{}));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadLayoutFile);

// One huge value: blanks and digits to be compacted and read.
void BM_ReadLayoutFileLongLine(benchmark::State& state) {
    std::string file = "rgb=";
    for (int i = 0; i < 1'000'000; ++i) {
        file += "1 2 3 4 5 ";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ReadLayoutFile(file, pixlin::LayoutScale{}));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadLayoutFileLongLine);

// A 1000 x 1000 skin with a transparent frame and scattered holes.
void BM_ScanRuns(benchmark::State& state) {
    constexpr std::int32_t kSize = 1000;
    const auto pixelAt = [](std::int32_t x, std::int32_t y) -> std::int32_t {
        const bool frame = x < 10 || y < 10 || x >= kSize - 10 || y >= kSize - 10;
        const bool hole = (x * 7 + y * 13) % 97 == 0;
        return frame || hole ? 0xFF00FF : x ^ y;
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::ScanRuns(kSize, kSize, pixelAt));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_ScanRuns);

}  // namespace
