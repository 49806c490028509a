#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/layout/layout_reader.h"
#include "core/layout/skin_layout.h"

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

// Baseline: finding the line ends of the same file and nothing more, the least any reader must do.
void BM_BaselineFindLineEnds(benchmark::State& state) {
    const std::string file = TypicalSkinFile(10'000);
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char* at = file.data();
             (at = static_cast<const char*>(
                  std::memchr(at, '\r', file.size() - static_cast<std::size_t>(at - file.data())))) != nullptr;
             ++at) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_BaselineFindLineEnds);

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

// A million name-box lines, fed as the window reads the file: in 64 KB chunks to the one reading of the layout.
void BM_StreamMillionTextLines(benchmark::State& state) {
    std::string file;
    for (int i = 0; i < 1'000'000; ++i) {
        file += "text=56,204,226,16,3155488\r\n";
    }
    constexpr std::size_t kChunk = 64 * 1024;
    for (auto _ : state) {
        pixlin::SkinLayoutReader reader(pixlin::LayoutContext{}, file.size());
        for (std::size_t at = 0; at < file.size(); at += kChunk) {
            reader.Feed(std::string_view(file).substr(at, kChunk));
        }
        benchmark::DoNotOptimize(reader.Finish());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_StreamMillionTextLines)->Unit(benchmark::kMillisecond);

}  // namespace
