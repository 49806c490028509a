#pragma once

#include <optional>

#include "core/colour/rgb.h"

namespace pixlin {

// The two colours a contrast is measured between. Each side may be fixed by the user; a side left free follows the
// current colour (under the pointer, or the frozen pick).
struct ContrastPair {
    std::optional<Rgb> fixedText;
    std::optional<Rgb> fixedBackground;

    bool operator==(const ContrastPair&) const = default;
};

struct ResolvedPair {
    Rgb text;
    Rgb background;

    bool operator==(const ResolvedPair&) const = default;
};

// The pair to show now. With one side fixed the other is the current colour; with neither fixed, the text is the
// colour copied last and the background the current colour, as before pairs could be fixed. Nothing while a side has
// no colour (nothing copied yet and no text fixed).
std::optional<ResolvedPair> ResolvePair(const ContrastPair& pair, Rgb current, std::optional<Rgb> copiedLast) noexcept;

}  // namespace pixlin
