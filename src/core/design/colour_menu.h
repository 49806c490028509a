#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/colour/contrast_pair.h"
#include "core/colour/rgb.h"

namespace pixlin {

// What an item of the colours' menu does; the values are the menu's command ids, so none is 0 (a menu dismissed).
enum class ColourCommand : std::uint16_t {
    Pin = 1,
    Unpin,
    SetText,
    LetTextFollow,
    SetBackground,
    LetBackgroundFollow,
    Remove,
    Export,
    Import,
    Keep,
};

struct ColourMenuItem {
    ColourCommand command;
    // With "&" before the mnemonic letter.
    std::string_view text;
    bool enabled = true;
    bool checked = false;
    bool separatorBefore = false;

    bool operator==(const ColourMenuItem&) const = default;
};

// What the menu is opened on and what it can do there.
struct ColourMenuContext {
    // A swatch of the history; otherwise the current colour (the swatch, or the keyboard).
    bool onHistory = false;
    // The colour; none for a current colour that could not be read or before the first sample.
    std::optional<Rgb> colour;
    // A pinned colour of the history (the current colour too, when the history holds it pinned).
    bool pinned = false;
    // Whether the history has room for another pin.
    bool canPin = true;
    bool historyEmpty = true;
    ContrastPair pair;
    bool keeping = false;
};

// The items in order. Each side of the pair offers to take the colour, unless it is that side already, and while it
// is fixed to let it follow again, so that a fixed colour no swatch shows can always be let go.
std::vector<ColourMenuItem> ColourMenuItems(const ColourMenuContext& context);

}  // namespace pixlin
