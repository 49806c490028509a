#include "core/colour/srgb.h"

#include <array>
#include <cmath>

namespace pixlin {

double LinearChannel(std::uint8_t channel) noexcept {
    static const std::array<double, 256> kLinear = [] {
        std::array<double, 256> table{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            table[static_cast<std::size_t>(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return kLinear[channel];
}

}  // namespace pixlin
