#include "core/texts/profile_texts.h"

namespace pixlin {
namespace {

// U+00B7 MIDDLE DOT between blanks, as the state text separates its parts.
constexpr std::string_view kDot = " \xC2\xB7 ";

std::string Named(std::string_view values, std::string_view name) {
    std::string text(values);
    if (!name.empty()) {
        text += kDot;
        text += name;
    }
    return text;
}

}  // namespace

std::string ProfileText(DisplayColours display, std::string_view name, bool displayValuesChosen, bool outside) {
    switch (display) {
        case DisplayColours::Srgb:
            return "sRGB display";
        case DisplayColours::Unusable:
            return Named("display values", "profile could not be used");
        case DisplayColours::AdvancedColour:
            return Named("display values", "advanced colour on");
        case DisplayColours::Profiled:
            break;
    }
    if (displayValuesChosen) {
        return Named("display values", name);
    }
    return Named(outside ? "outside sRGB" : "sRGB", name);
}

}  // namespace pixlin
