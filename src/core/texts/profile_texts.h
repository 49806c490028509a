#pragma once

// What the profile text says, and which values the readouts show, on a display that may have a colour profile.

#include <string>
#include <string_view>

namespace pixlin {

// What the display under the pointer does to the colours programs ask for.
enum class DisplayColours {
    // Its profile is sRGB, or it has none (Windows takes such a display for sRGB): its pixels are the colours.
    Srgb,
    // Its profile converts to sRGB: the readouts show the colour the page asked for, unless the user chose the
    // display's values.
    Profiled,
    // Its profile is missing, unreadable or refused: only the display's values can be shown.
    Unusable,
    // Windows manages colour itself (HDR or automatic colour management): the pixels read back are not the result
    // of the ICC profile, so no inverse of it applies.
    AdvancedColour,
};

// Whether a click on the profile text can switch anything: only a profile that converts offers two sets of values.
constexpr bool CanSwitchValues(DisplayColours display) noexcept {
    return display == DisplayColours::Profiled;
}

// Whether the readouts show the display's own values where they differ from the copied colours: only where the user
// chose them on a display that offers the choice. Elsewhere a pick and its copy are the same colour, or the display's
// values are all there is; a colour brought back from the history shows the colour that was copied.
constexpr bool ShowsDisplayValues(DisplayColours display, bool displayValuesChosen) noexcept {
    return displayValuesChosen && CanSwitchValues(display);
}

// "sRGB · <name>", "outside sRGB · <name>" (sRGB shown, the current colour clipped to it), "display values · <name>",
// "display values · profile could not be used", "display values · advanced colour on" or "sRGB display". `name` is
// the profile's description, or its file name when it has none; an empty one is left out with its dot.
std::string ProfileText(DisplayColours display, std::string_view name, bool displayValuesChosen, bool outside);

}  // namespace pixlin
