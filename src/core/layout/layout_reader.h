#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/layout/layout_keys.h"

namespace pixlin {

// The screen's twips per pixel, horizontally and vertically.
struct LayoutScale {
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;
};

// One value a line sets. `amount` is a place in twips (a single-precision number) for the four place fields, a colour
// value 0x00BBGGRR for a text colour, the loupe's factor from kMinLoupeFactor to kMaxLoupeFactor, the history's swatch
// count from kMinHistoryCount to kMaxHistoryCount, or the window's alpha 0 (invisible) to 100 of 255: the reader never
// asks for more.
struct LayoutAssignment {
    LayoutKey key;
    LayoutField field;
    double amount;

    bool operator==(const LayoutAssignment&) const = default;
};

// A line cut at its "=" signs: the key, the value text, and what a second "=" leaves unread.
struct LayoutLineParts {
    std::string_view key;
    std::string_view valueText;
    std::string_view ignored;
};

// Nothing for a line without "=".
std::optional<LayoutLineParts> SplitLayoutLine(std::string_view line);

// Calls `onValue(index, text)` for each of the first `most` values of a key's value text: the whole text for a key
// read as one number, otherwise the pieces between commas. Empty value text has no values, while an empty piece
// between commas is a value (it reads as 0). Returns how many values it gave.
template <typename OnValue>
std::size_t ForEachLayoutValue(const LayoutKeyRow& row,
                               std::string_view valueText,
                               std::size_t most,
                               OnValue&& onValue) {
    std::size_t count = 0;
    bool more = !valueText.empty();
    while (more && count < most) {
        const std::size_t comma = row.wholeText ? std::string_view::npos : valueText.find(',');
        onValue(count++, valueText.substr(0, comma));
        more = comma != std::string_view::npos;
        if (more) {
            valueText.remove_prefix(comma + 1);
        }
    }
    return count;
}

// Appends the assignments that one line of the skin layout file makes, in the order of its values. A value that
// cannot be used (too large, a negative size, a colour the controls do not take, a factor or alpha out of range) is
// left out; the others stand.
void ReadLayoutLine(std::string_view line, LayoutScale scale, std::vector<LayoutAssignment>& assignments);

// All assignments of the whole file, in file order; a later one overrides an earlier one for the same key and field.
std::vector<LayoutAssignment> ReadLayoutFile(std::string_view bytes, LayoutScale scale);

}  // namespace pixlin
