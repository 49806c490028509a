#include "core/colour/contrast_pair.h"

namespace pixlin {

std::optional<ResolvedPair> ResolvePair(const ContrastPair& pair, Rgb current, std::optional<Rgb> copiedLast) noexcept {
    const bool anyFixed = pair.fixedText || pair.fixedBackground;
    const std::optional<Rgb> text = pair.fixedText ? pair.fixedText : anyFixed ? current : copiedLast;
    const Rgb background = pair.fixedBackground.value_or(current);
    if (!text) {
        return std::nullopt;
    }
    return ResolvedPair{*text, background};
}

}  // namespace pixlin
