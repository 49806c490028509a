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
    std::size_t nearest = 0;
    double best = Ciede2000(lab, labs[0]);
    for (std::size_t i = 1; i < kNamedColourCount; ++i) {
        const double distance = Ciede2000(lab, labs[i]);
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return std::string(kApproximately) + std::string(kNamedColours[nearest].name);
}

}  // namespace pixlin
