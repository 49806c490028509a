#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/colour/clr_models.h"
#include "core/colour/contrast.h"
#include "core/colour/css_text.h"
#include "core/colour/nearest_name.h"
#include "core/colour/oklch.h"
#include "core/texts/paste_texts.h"
#include "core/texts/readout_texts.h"

namespace {

// Named and unnamed colours, greys and the pure hues, so that every branch of the reads and the lookup runs.
constexpr std::array<int32_t, 16> kColours{
    0x000000, 0xFFFFFF, 0x00FFFF, 0x0080FF, 0x808080, 0xD3D3D3, 0x1F113F, 0x48000F,
    0xC89664, 0xFF0000, 0xFF00FE, 0x0000FF, 0xE16941, 0x123456, 0x3F85CD, 0x7FFF00,
};

void BM_MakeReadouts(benchmark::State& state) {
    cClrModels model;
    std::size_t next = 0;
    for (auto _ : state) {
        pixlin::Readouts texts = pixlin::MakeReadouts(kColours[next], model);
        benchmark::DoNotOptimize(texts);
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_MakeReadouts);

// The thirteen reads of a sampling tick without any text, as a baseline for the text building.
void BM_ModelReads(benchmark::State& state) {
    cClrModels model;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto colour = static_cast<uint32_t>(kColours[next]);
        model.rgbR(static_cast<uint8_t>(colour & 0xFF));
        model.rgbG(static_cast<uint8_t>((colour >> 8) & 0xFF));
        model.rgbB(static_cast<uint8_t>((colour >> 16) & 0xFF));
        benchmark::DoNotOptimize(model.ycbcrY());
        benchmark::DoNotOptimize(model.ycbcrCb());
        benchmark::DoNotOptimize(model.ycbcrCr());
        benchmark::DoNotOptimize(model.cmykC());
        benchmark::DoNotOptimize(model.cmykM());
        benchmark::DoNotOptimize(model.cmykY());
        benchmark::DoNotOptimize(model.cmykK());
        benchmark::DoNotOptimize(model.cmyC());
        benchmark::DoNotOptimize(model.cmyM());
        benchmark::DoNotOptimize(model.cmyY());
        benchmark::DoNotOptimize(model.hlsH());
        benchmark::DoNotOptimize(model.hlsL());
        benchmark::DoNotOptimize(model.hlsS());
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_ModelReads);

// Baseline: the RGB text alone, the least a picker shows for a colour.
void BM_BaselineRgbTextOnly(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const auto colour = static_cast<uint32_t>(kColours[next]);
        std::string text = std::to_string(colour & 0xFF) + ',' + std::to_string((colour >> 8) & 0xFF) + ',' +
                           std::to_string((colour >> 16) & 0xFF);
        benchmark::DoNotOptimize(text);
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_BaselineRgbTextOnly);

}  // namespace

// The readouts ready to paste, each computed on its own, as a skin with every key has them.
void BM_PasteForms(benchmark::State& state) {
    std::size_t next = 0;
    const pixlin::Rgb white{255, 255, 255};
    for (auto _ : state) {
        const pixlin::Rgb colour = pixlin::RgbOf(kColours[next]);
        benchmark::DoNotOptimize(pixlin::CssHexText(colour));
        benchmark::DoNotOptimize(pixlin::CssRgbText(colour));
        benchmark::DoNotOptimize(pixlin::CssHslText(colour));
        benchmark::DoNotOptimize(pixlin::HsvText(colour));
        benchmark::DoNotOptimize(pixlin::OklchText(colour));
        benchmark::DoNotOptimize(pixlin::ContrastText(colour, white));
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_PasteForms);

// Every text a tick writes for a skin with every key, through the picker's own calls; the nearest name, which has a
// target of its own, is measured below.
void BM_TickTextsWithEveryKey(benchmark::State& state) {
    using pixlin::Form1Control;
    constexpr std::array kPasteForms{Form1Control::lbl_CSSHEX, Form1Control::lbl_CSSRGB, Form1Control::lbl_CSSHSL,
                                     Form1Control::lbl_HSV,    Form1Control::lbl_OKLCH,  Form1Control::lbl_CONTRAST};
    cClrModels model;
    std::size_t next = 0;
    const pixlin::Rgb white{255, 255, 255};
    for (auto _ : state) {
        pixlin::Readouts texts = pixlin::MakeReadouts(kColours[next], model);
        benchmark::DoNotOptimize(texts);
        for (const Form1Control readout : kPasteForms) {
            benchmark::DoNotOptimize(pixlin::PasteFormText(readout, pixlin::RgbOf(kColours[next]), white));
        }
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_TickTextsWithEveryKey);

// The nearest named colour: CIEDE2000 against every entry, whose CIELAB values are worked out once.
void BM_NearestName(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixlin::NearestNameText(pixlin::RgbOf(kColours[next])));
        next = (next + 1) % kColours.size();
    }
}
BENCHMARK(BM_NearestName);
