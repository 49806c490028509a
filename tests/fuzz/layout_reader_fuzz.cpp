#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/skin/layout_reader.h"

namespace {

void CheckPlace(pixlin::PlacementProperty property, float twips) {
    const bool isSize = property == pixlin::PlacementProperty::Width || property == pixlin::PlacementProperty::Height;
    if (!std::isfinite(twips) || (isSize && twips < 0.0f)) {
        std::abort();
    }
}

// What the window may rely on, whatever the file holds.
void CheckAssignment(const pixlin::LayoutAssignment& assignment) {
    if (const auto* placement = std::get_if<pixlin::PlacementAssignment>(&assignment)) {
        CheckPlace(placement->property, placement->twips);
    } else if (const auto* loupe = std::get_if<pixlin::LoupePlacementAssignment>(&assignment)) {
        CheckPlace(loupe->property, loupe->twips);
    } else if (const auto* factor = std::get_if<pixlin::LoupeFactorAssignment>(&assignment)) {
        if (factor->factor < pixlin::kMinLoupeFactor || factor->factor > pixlin::kMaxLoupeFactor) {
            std::abort();
        }
    } else if (const auto* foreColor = std::get_if<pixlin::ForeColorAssignment>(&assignment)) {
        if (foreColor->colour < 0 || foreColor->colour > 0xFFFFFF) {
            std::abort();
        }
    } else if (const auto* translucency = std::get_if<pixlin::TranslucencyAssignment>(&assignment)) {
        if (translucency->alpha < 0 || translucency->alpha > 100) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& assignment : pixlin::ReadLayoutFile(bytes, pixlin::LayoutScale{15.0f, 15.0f})) {
        CheckAssignment(assignment);
    }
    for (const auto& assignment : pixlin::ReadLayoutFile(bytes, pixlin::LayoutScale{1.0f, 26.6667f})) {
        CheckAssignment(assignment);
    }
    return 0;
}
