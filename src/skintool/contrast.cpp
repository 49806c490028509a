#include "skintool/contrast.h"

#include <algorithm>
#include <cmath>

namespace pixlin::skintool {
namespace {

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return 0.2126 * Linear(red) + 0.7152 * Linear(green) + 0.0722 * Linear(blue);
}

double ContrastRatio(double luminance1, double luminance2) {
    const auto [darker, lighter] = std::minmax(luminance1, luminance2);
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace pixlin::skintool
