#include "core/colour/contrast.h"

#include <algorithm>
#include <cmath>

#include "core/colour/srgb.h"

namespace pixlin {

double RelativeLuminance(Rgb colour) noexcept {
    return 0.2126 * LinearChannel(colour.r) + 0.7152 * LinearChannel(colour.g) + 0.0722 * LinearChannel(colour.b);
}

double ContrastRatio(double luminance1, double luminance2) noexcept {
    const auto [darker, lighter] = std::minmax(luminance1, luminance2);
    return (lighter + 0.05) / (darker + 0.05);
}

int ContrastHundredths(Rgb first, Rgb second) noexcept {
    // Black on white is 21 exactly, but its binary quotient can fall a hair short: a ratio within a billionth of a
    // step counts as that step, so that floored it still shows 21.00.
    const double ratio = ContrastRatio(RelativeLuminance(first), RelativeLuminance(second));
    return static_cast<int>(std::floor(ratio * 100.0 + 1e-9));
}

std::string ContrastText(Rgb colour, std::optional<Rgb> against) {
    if (!against) {
        return {};
    }
    const int hundredths = ContrastHundredths(colour, *against);
    const char* grade = hundredths >= 700 ? "AAA" : hundredths >= 450 ? "AA" : hundredths >= 300 ? "AA large" : "fail";
    std::string text = std::to_string(hundredths / 100) + ".";
    text += static_cast<char>('0' + hundredths / 10 % 10);
    text += static_cast<char>('0' + hundredths % 10);
    return text + ":1 " + grade;
}

}  // namespace pixlin
