#include "core/skin/layout_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "core/colour/rounding.h"
#include "core/skin/layout_lines.h"
#include "core/skin/number_reader.h"

namespace pixlin {

namespace {

// Colours the controls take as text colour: plain RGB values, no system colour codes.
constexpr std::int32_t kMaxForeColor = 0xFFFFFF;
constexpr std::size_t kColourValueIndex = 4;
constexpr std::size_t kMaxValues = 5;

// Turning an out-of-range double into a float must give infinity, not undefined behaviour.
static_assert(std::numeric_limits<float>::is_iec559);

struct ControlKey {
    std::string_view name;
    LayoutKey key;
    bool takesColour;
};

constexpr std::array kControlKeys{
    ControlKey{"rgb", LayoutKey::Rgb, true},     ControlKey{"hls", LayoutKey::Hls, true},
    ControlKey{"cmyk", LayoutKey::Cmyk, true},   ControlKey{"cmy", LayoutKey::Cmy, true},
    ControlKey{"long", LayoutKey::Long, true},   ControlKey{"hex", LayoutKey::Hex, true},
    ControlKey{"ycbcr", LayoutKey::Ycbcr, true}, ControlKey{"preview", LayoutKey::Preview, false},
    ControlKey{"text", LayoutKey::Text, true},   ControlKey{"quit", LayoutKey::Quit, false},
};

constexpr std::string_view kTranslucencyKey = "trans";
constexpr std::string_view kLoupeKey = "zoom";

constexpr std::array kPlacementProperties{PlacementProperty::Left, PlacementProperty::Top, PlacementProperty::Width,
                                          PlacementProperty::Height};

const ControlKey* FindControlKey(std::string_view key) {
    for (const ControlKey& entry : kControlKeys) {
        if (entry.name == key) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<float> ToTwips(double pixels, PlacementProperty property, LayoutScale scale) {
    const bool horizontal = property == PlacementProperty::Left || property == PlacementProperty::Width;
    const float factor = horizontal ? scale.twipsPerPixelX : scale.twipsPerPixelY;
    const float twips = static_cast<float>(pixels * static_cast<double>(factor));
    if (!std::isfinite(twips)) {
        return std::nullopt;
    }
    const bool isSize = property == PlacementProperty::Width || property == PlacementProperty::Height;
    if (isSize && twips < 0.0f) {
        return std::nullopt;
    }
    return twips;
}

std::optional<std::int32_t> ToForeColor(double value) {
    const std::optional<std::int32_t> colour = RoundTo<std::int32_t>(value);
    if (!colour || *colour < 0 || *colour > kMaxForeColor) {
        return std::nullopt;
    }
    return colour;
}

// The first `count` values of the comma-separated value text; a value that overflows stays empty. Empty value text
// has no values at all, while an empty value between commas is a value (it reads as 0).
std::size_t ReadValues(std::string_view valueText,
                       std::size_t count,
                       std::array<std::optional<double>, kMaxValues>& values) {
    std::size_t read = 0;
    bool more = !valueText.empty();
    while (more && read < count) {
        const std::size_t comma = valueText.find(',');
        values[read++] = ReadLayoutNumber(valueText.substr(0, comma));
        more = comma != std::string_view::npos;
        if (more) {
            valueText.remove_prefix(comma + 1);
        }
    }
    return read;
}

void ReadControlLine(const ControlKey& entry,
                     std::string_view valueText,
                     LayoutScale scale,
                     std::vector<LayoutAssignment>& assignments) {
    std::array<std::optional<double>, kMaxValues> values;
    const std::size_t count =
        ReadValues(valueText, entry.takesColour ? kMaxValues : kPlacementProperties.size(), values);
    const std::size_t placementCount = std::min(count, kPlacementProperties.size());

    for (std::size_t i = 0; i < placementCount; ++i) {
        if (!values[i]) {
            continue;
        }
        const PlacementProperty property = kPlacementProperties[i];
        if (const auto twips = ToTwips(*values[i], property, scale)) {
            assignments.emplace_back(PlacementAssignment{entry.key, property, *twips});
        }
    }
    if (count > kColourValueIndex && values[kColourValueIndex]) {
        if (const auto colour = ToForeColor(*values[kColourValueIndex])) {
            assignments.emplace_back(ForeColorAssignment{entry.key, *colour});
        }
    }
}

void ReadTranslucencyLine(std::string_view valueText, std::vector<LayoutAssignment>& assignments) {
    const std::optional<double> value = ReadLayoutNumber(valueText);
    if (value && *value > 0.0 && *value < 100.0) {
        assignments.emplace_back(TranslucencyAssignment{static_cast<std::int16_t>(RoundHalfEven(*value))});
    }
}

// zoom=left,top,width,height,factor
void ReadLoupeLine(std::string_view valueText, LayoutScale scale, std::vector<LayoutAssignment>& assignments) {
    constexpr std::size_t kFactorValueIndex = 4;
    std::array<std::optional<double>, kMaxValues> values;
    const std::size_t count = ReadValues(valueText, kFactorValueIndex + 1, values);
    for (std::size_t i = 0; i < std::min(count, kPlacementProperties.size()); ++i) {
        if (const auto twips = values[i] ? ToTwips(*values[i], kPlacementProperties[i], scale) : std::nullopt) {
            assignments.emplace_back(LoupePlacementAssignment{kPlacementProperties[i], *twips});
        }
    }
    if (count > kFactorValueIndex) {
        const auto factor =
            values[kFactorValueIndex] ? RoundTo<std::int32_t>(*values[kFactorValueIndex]) : std::nullopt;
        const bool usable = factor && *factor >= kMinLoupeFactor && *factor <= kMaxLoupeFactor;
        assignments.emplace_back(LoupeFactorAssignment{usable ? *factor : kDefaultLoupeFactor});
    }
}

}  // namespace

void ReadLayoutLine(std::string_view line, LayoutScale scale, std::vector<LayoutAssignment>& assignments) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = line.substr(0, equals);
    std::string_view valueText = line.substr(equals + 1);
    valueText = valueText.substr(0, valueText.find('='));

    if (const ControlKey* entry = FindControlKey(key)) {
        ReadControlLine(*entry, valueText, scale, assignments);
    } else if (key == kTranslucencyKey) {
        ReadTranslucencyLine(valueText, assignments);
    } else if (key == kLoupeKey) {
        ReadLoupeLine(valueText, scale, assignments);
    }
}

std::vector<std::string_view> LayoutKeys() {
    std::vector<std::string_view> keys;
    for (const ControlKey& entry : kControlKeys) {
        keys.push_back(entry.name);
    }
    keys.push_back(kTranslucencyKey);
    keys.push_back(kLoupeKey);
    return keys;
}

std::vector<LayoutAssignment> ReadLayoutFile(std::string_view bytes, LayoutScale scale) {
    std::vector<LayoutAssignment> assignments;
    while (const auto line = TakeLayoutLine(bytes)) {
        ReadLayoutLine(*line, scale, assignments);
    }
    return assignments;
}

}  // namespace pixlin
