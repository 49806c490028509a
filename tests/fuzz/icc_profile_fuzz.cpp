#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/colour/oklch.h"
#include "core/profile/display_profile.h"
#include "core/profile/icc_profile.h"
#include "core/profile/profile_text.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Valid UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF) of at most the cap in code points, without
// control characters, and no blank at either end.
void CheckShowable(const std::string& text) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++chars) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        Check(length > 0 && i + length <= text.size() && lead < 0xF5);
        for (std::size_t k = 1; k < length; ++k) {
            Check((static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80);
        }
        const auto second = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
        Check((lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0) && (lead != 0xF0 || second >= 0x90) &&
              (lead != 0xF4 || second < 0x90));
        Check(lead >= 0x20 && lead != 0x7F && (lead != 0xC2 || second > 0xA0));
        i += length;
    }
    Check(chars <= pixlin::kMaxProfileTextChars);
    Check(text.empty() || (text.front() != ' ' && text.back() != ' '));
}

}  // namespace

// Whatever the bytes, the reader stays within them (the address sanitizer watches), and a profile it accepts gives
// a description a label can show, a kind that fits its tags, and conversions whose results keep their promises.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pixlin::IccReadResult read = pixlin::ReadIccProfile(bytes);
    if (!read.profile) {
        Check(pixlin::IccErrorText(read.error)[0] != '\0');
        return 0;
    }
    const pixlin::IccProfile& profile = *read.profile;
    CheckShowable(profile.description);
    Check(profile.matrixTrc || profile.hasLut);
    const pixlin::ProfileKind kind = pixlin::ClassifyProfile(profile);
    Check((kind == pixlin::ProfileKind::LutOnly) == !profile.matrixTrc);
    if (!profile.matrixTrc) {
        return 0;
    }
    for (const pixlin::ToneCurve& curve : profile.matrixTrc->curves) {
        for (const double x : {-1.0, 0.0, 0.3, 1.0, 2.0, std::nan("")}) {
            const double y = pixlin::EvaluateCurve(curve, x);
            Check(y >= 0 && y <= 1);
        }
    }
    const pixlin::DisplayTransform transform(*profile.matrixTrc);
    // Greys, the primaries, and colours from the input's last bytes.
    std::array<pixlin::Rgb, 8> colours{
        {{0, 0, 0}, {128, 128, 128}, {255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}};
    for (std::size_t i = 0; i < 6 && i < size; ++i) {
        auto& colour = colours[6 + i / 3];
        const uint8_t value = data[size - 1 - i];
        (i % 3 == 0 ? colour.r : i % 3 == 1 ? colour.g : colour.b) = value;
    }
    for (const pixlin::Rgb& colour : colours) {
        const pixlin::DisplayColour srgb = transform.ToSrgb(colour);
        const std::array<uint8_t, 3> channels{srgb.srgb.r, srgb.srgb.g, srgb.srgb.b};
        const std::array<uint8_t, 3> original{colour.r, colour.g, colour.b};
        for (std::size_t c = 0; c < 3; ++c) {
            const double linear = srgb.linear[c];
            Check(std::isfinite(linear));
            Check(srgb.outside || (linear > -0.001 && linear < 1.01));
            Check(linear > 0 || channels[c] == 0);
            Check(linear < 1 || channels[c] == 255);
            // An sRGB profile moves no channel far: a quarter of a step from its curve, and at most 2e-3 of linear
            // light from the matrix's other entries, under 7 steps at the bottom of the scale.
            Check(kind != pixlin::ProfileKind::Srgb || std::abs(channels[c] - original[c]) <= 8);
        }
        const pixlin::Oklch oklch = pixlin::OklchOfLinear(srgb.linear[0], srgb.linear[1], srgb.linear[2]);
        Check(std::isfinite(oklch.lightness) && std::isfinite(oklch.chroma) && std::isfinite(oklch.hue));
        Check(!pixlin::OklchText(oklch).empty());
        transform.FromSrgb(colour);
    }
    return 0;
}
