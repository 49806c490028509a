#include "core/colour/apca.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace pixlin {
namespace {

constexpr double kMainTrc = 2.4;
constexpr double kRedCoefficient = 0.2126729;
constexpr double kGreenCoefficient = 0.7151522;
constexpr double kBlueCoefficient = 0.0721750;
constexpr double kNormBg = 0.56;
constexpr double kNormText = 0.57;
constexpr double kRevText = 0.62;
constexpr double kRevBg = 0.65;
constexpr double kBlackThreshold = 0.022;
constexpr double kBlackClamp = 1.414;
constexpr double kScaleBoW = 1.14;
constexpr double kScaleWoB = 1.14;
constexpr double kLoBoWOffset = 0.027;
constexpr double kLoWoBOffset = 0.027;
constexpr double kDeltaYMin = 0.0005;
constexpr double kLoClip = 0.1;

using ChannelTable = std::array<double, 256>;

// APCA's screen luminance uses a plain 2.4 power, not the piecewise sRGB curve; each channel's share is a table so that
// a call costs two powers instead of five.
ChannelTable Shares(double coefficient) {
    ChannelTable table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] = coefficient * std::pow(i / 255.0, kMainTrc);
    }
    return table;
}

double ScreenLuminance(Rgb colour) noexcept {
    static const ChannelTable kRed = Shares(kRedCoefficient);
    static const ChannelTable kGreen = Shares(kGreenCoefficient);
    static const ChannelTable kBlue = Shares(kBlueCoefficient);
    return kRed[colour.r] + kGreen[colour.g] + kBlue[colour.b];
}

// Near black the luminance is lifted softly, as flare on a real screen does.
double SoftClampBlack(double y) noexcept {
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

}  // namespace

double ApcaLc(Rgb text, Rgb background) noexcept {
    const double textY = SoftClampBlack(ScreenLuminance(text));
    const double backgroundY = SoftClampBlack(ScreenLuminance(background));
    if (std::abs(backgroundY - textY) < kDeltaYMin) {
        return 0.0;
    }
    if (backgroundY > textY) {
        const double sapc = (std::pow(backgroundY, kNormBg) - std::pow(textY, kNormText)) * kScaleBoW;
        return sapc < kLoClip ? 0.0 : (sapc - kLoBoWOffset) * 100.0;
    }
    const double sapc = (std::pow(backgroundY, kRevBg) - std::pow(textY, kRevText)) * kScaleWoB;
    return sapc > -kLoClip ? 0.0 : (sapc + kLoWoBOffset) * 100.0;
}

std::string ApcaText(Rgb text, Rgb background) {
    // In whole tenths, so the sign comes from the rounded value and a tiny negative cannot print as "-0.0".
    const long tenths = std::lround(ApcaLc(text, background) * 10.0);
    const long magnitude = std::labs(tenths);
    return std::string("Lc ") + (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
           static_cast<char>('0' + magnitude % 10);
}

}  // namespace pixlin
