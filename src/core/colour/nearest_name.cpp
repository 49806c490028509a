#include "core/colour/nearest_name.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/colour/ciede2000.h"
#include "core/colour/colour_names.h"
#include "core/colour/html.h"

namespace pixlin {
namespace {

// U+2248 ALMOST EQUAL TO and a blank.
constexpr std::string_view kApproximately = "\xE2\x89\x88 ";

constexpr double kBoundMargin = 1e-9;

double SquaredDistance(const Lab& first, const Lab& second) noexcept {
    const double l = first.l - second.l;
    const double a = first.a - second.a;
    const double b = first.b - second.b;
    return l * l + a * a + b * b;
}

// The named colours in CIELAB, worked out once.
const std::array<Lab, kNamedColourCount>& NamedLabs() {
    static const std::array<Lab, kNamedColourCount> kLabs = [] {
        std::array<Lab, kNamedColourCount> labs{};
        for (std::size_t i = 0; i < kNamedColourCount; ++i) {
            // "'#rrggbb'": the digits start after the apostrophe and the hash.
            const std::string_view digits = kNamedColours[i].code.substr(2, 6);
            std::uint32_t value = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
            labs[i] = LabOf({static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                             static_cast<std::uint8_t>(value)});
        }
        return labs;
    }();
    return kLabs;
}

}  // namespace

std::string NearestNameText(Rgb colour) {
    const std::int32_t value = colour.r | (colour.g << 8) | (colour.b << 16);
    if (std::string exact = Farbtext(RGB2HTML(value)); !exact.empty()) {
        return exact;
    }
    const Lab lab = LabOf(colour);
    const std::array<Lab, kNamedColourCount>& labs = NamedLabs();
    // Start from the nearest by the plain Euclidean distance, which is cheap and usually close, so that the lightness
    // bound can pass over most of the table without the full difference.
    std::size_t nearest = 0;
    double bestEuclidean = SquaredDistance(lab, labs[0]);
    for (std::size_t i = 1; i < kNamedColourCount; ++i) {
        if (const double distance = SquaredDistance(lab, labs[i]); distance < bestEuclidean) {
            bestEuclidean = distance;
            nearest = i;
        }
    }
    double best = Ciede2000(lab, labs[nearest]);
    for (std::size_t i = 0; i < kNamedColourCount; ++i) {
        // The margin covers the rounding of the bound and of the difference: an entry is passed over only when it
        // cannot come out nearer, nor equal.
        if (i == nearest || Ciede2000LowerBound(lab, labs[i]) > best + kBoundMargin) {
            continue;
        }
        const double distance = Ciede2000(lab, labs[i]);
        // Equal distances go to the earlier entry of the table.
        if (distance < best || (distance == best && i < nearest)) {
            best = distance;
            nearest = i;
        }
    }
    return std::string(kApproximately) + std::string(kNamedColours[nearest].name);
}

}  // namespace pixlin
