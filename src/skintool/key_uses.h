#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/layout_reader.h"

namespace pixlin::skintool {

// What one value of a layout line sets: a placement property (of a control or of the loupe), a text colour, the
// window's alpha, the loupe's factor, or something the checker has no words for yet.
struct ValueTarget {
    enum class Kind { Placement, ForeColor, Translucency, LoupeFactor, Other };
    Kind kind = Kind::Other;
    PlacementProperty property = PlacementProperty::Left;
    std::string name;
};

// What a key of the layout file does, learnt by giving the picker's own reader probe lines: which controls' key it
// is and what each of its values sets. A key the reader gains later is described without touching the checker.
struct KeyUse {
    std::string_view key;
    // None for keys that place no control.
    std::optional<LayoutKey> layoutKey;
    std::vector<ValueTarget> values;
    // The whole value text is one number, not split at commas.
    bool wholeText = false;

    std::string ValueNames() const;
};

const std::vector<KeyUse>& KeyUses();

const KeyUse* FindKeyUse(std::string_view key);

// The key that places the controls of `key`, as written in the layout file.
std::string_view KeyText(LayoutKey key);

// The key that places the loupe and sets its factor.
const KeyUse& LoupeKeyUse();

// Whether an assignment made by the reader is the one that the value target describes for the key.
bool Sets(const LayoutAssignment& assignment, const ValueTarget& target, std::optional<LayoutKey> key);

}  // namespace pixlin::skintool
