#include "core/layout/layout_reader.h"

#include <cmath>
#include <limits>

#include "core/colour/rounding.h"
#include "core/layout/layout_lines.h"
#include "core/layout/number_reader.h"

namespace pixlin {

namespace {

// Colours the controls take as text colour: plain RGB values, no system colour codes.
constexpr std::int32_t kMaxForeColor = 0xFFFFFF;
// The window takes an alpha only strictly between these.
constexpr double kAlphaAbove = 0.0;
constexpr double kAlphaBelow = 100.0;

// Turning an out-of-range double into a float must give infinity, not undefined behaviour.
static_assert(std::numeric_limits<float>::is_iec559);

std::optional<double> ToTwips(double pixels, LayoutField field, LayoutScale scale) {
    const bool horizontal = field == LayoutField::Left || field == LayoutField::Width;
    const float factor = horizontal ? scale.twipsPerPixelX : scale.twipsPerPixelY;
    const float twips = static_cast<float>(pixels * static_cast<double>(factor));
    if (!std::isfinite(twips)) {
        return std::nullopt;
    }
    const bool isSize = field == LayoutField::Width || field == LayoutField::Height;
    if (isSize && twips < 0.0f) {
        return std::nullopt;
    }
    return twips;
}

std::optional<double> InRange(std::optional<std::int32_t> value, std::int32_t least, std::int32_t most) {
    if (!value || *value < least || *value > most) {
        return std::nullopt;
    }
    return *value;
}

std::optional<double> ToAmount(double number, LayoutField field, LayoutScale scale) {
    switch (field) {
        case LayoutField::Left:
        case LayoutField::Top:
        case LayoutField::Width:
        case LayoutField::Height:
            return ToTwips(number, field, scale);
        case LayoutField::TextColour:
            return InRange(RoundTo<std::int32_t>(number), 0, kMaxForeColor);
        case LayoutField::Factor:
            return InRange(RoundTo<std::int32_t>(number), kMinLoupeFactor, kMaxLoupeFactor);
        case LayoutField::Count: {
            // Unlike the loupe's factor, a count is never rounded: anything but a whole number in range is the default.
            const bool whole = number >= kMinHistoryCount && number <= kMaxHistoryCount && number == std::floor(number);
            return whole ? number : kDefaultHistoryCount;
        }
        case LayoutField::Alpha:
            if (number > kAlphaAbove && number < kAlphaBelow) {
                return RoundHalfEven(number);
            }
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<LayoutLineParts> SplitLayoutLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view afterEquals = line.substr(equals + 1);
    const std::size_t second = afterEquals.find('=');
    const std::string_view ignored = second == std::string_view::npos ? std::string_view() : afterEquals.substr(second);
    return LayoutLineParts{line.substr(0, equals), afterEquals.substr(0, second), ignored};
}

void ReadLayoutLine(std::string_view line, LayoutScale scale, std::vector<LayoutAssignment>& assignments) {
    const std::optional<LayoutLineParts> parts = SplitLayoutLine(line);
    const LayoutKeyRow* row = parts ? FindLayoutKey(parts->key) : nullptr;
    if (row == nullptr) {
        return;
    }
    ForEachLayoutValue(*row, parts->valueText, row->fields.size(), [&](std::size_t index, std::string_view text) {
        const LayoutField field = row->fields[index];
        const std::optional<double> number = ReadLayoutNumber(text);
        if (const std::optional<double> amount = number ? ToAmount(*number, field, scale) : std::nullopt) {
            assignments.push_back(LayoutAssignment{row->key, field, *amount});
        }
    });
}

std::vector<LayoutAssignment> ReadLayoutFile(std::string_view bytes, LayoutScale scale) {
    std::vector<LayoutAssignment> assignments;
    while (const auto line = TakeLayoutLine(bytes)) {
        ReadLayoutLine(*line, scale, assignments);
    }
    return assignments;
}

}  // namespace pixlin
