#pragma once

#include <cstdint>
#include <string>

#include "core/base/point.h"
#include "core/colour/clr_models.h"

namespace pixlin {

// The texts one sampling tick writes, one per readout.
struct Readouts {
    std::string longValue;
    std::string rgb;
    std::string hex;
    std::string name;
    std::string ycbcr;
    std::string cmyk;
    std::string cmy;
    std::string hls;
};

// "X:" x "   Y:" y, the window caption while sampling.
std::string CaptionText(int32_t x, int32_t y);

// A tick samples only when the pointer has moved since the last tick that sampled.
bool PointerMoved(Point last, Point now);

// Feeds the colour's channels to the model and builds every readout text from it.
Readouts MakeReadouts(int32_t colour, cClrModels& model);

}  // namespace pixlin
