#include "picker/form1.h"

namespace pixlin {
namespace {

std::int32_t ValueOf(Rgb colour) noexcept {
    return colour.r | colour.g << 8 | colour.b << 16;
}

}  // namespace

// On a display whose profile converts, the readouts show the sRGB colour the page asked for, clipped to sRGB (the
// oklch readout shows the colour itself), and the contrast measures against the sRGB colour copied last; or, by the
// user's choice, the display's own values against the display's pixel copied last.
TextsKey Form1::PickTexts() const {
    const bool display = ShowsDisplayValues(displayProfiles_.Current(), displayValuesChosen_);
    const std::optional<HistoryEntry>& latest = history_.LatestEntry();
    const std::optional<Rgb> against =
        latest ? std::optional(display ? latest->Displayed() : latest->colour) : std::nullopt;
    if (!pickColour_) {
        return {std::nullopt, against, pair_};
    }
    if (display) {
        return {static_cast<std::int32_t>(*pickColour_), against, pair_};
    }
    return {ValueOf(pickSrgb_.srgb), against, pair_,
            pickSrgb_.outside ? std::optional(pickSrgb_.linear) : std::nullopt};
}

// A colour brought back shows the sRGB colour that was copied. Its display pixel, converted again where it was picked,
// says whether it lay outside sRGB, as long as it still gives the copied colour (the profile may have changed since,
// and colours from elsewhere have no pixel of their own).
DisplayColour Form1::SrgbOfEntry(const HistoryEntry& entry) {
    displayProfiles_.Follow(entry.pickedAt);
    const DisplayColour again = displayProfiles_.ToSrgb(entry.Displayed());
    return again.srgb == entry.colour ? again : DisplayColour{entry.colour, false, {}};
}

void Form1::ShowProfileText() {
    if (Shows(Form1Control::lbl_PROFILE)) {
        panel_.ShowProfile(ProfileText(displayProfiles_.Current(), displayProfiles_.Name(), displayValuesChosen_,
                                       pickColour_ && pickSrgb_.outside));
    }
}

// Every readout changes at once, for whatever the pick is: under the pointer, in the loupe or from the history. Where
// there is nothing to switch, the warning beep says the click did nothing.
void Form1::SwitchValues() {
    if (!CanSwitchValues(displayProfiles_.Current())) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    displayValuesChosen_ = !displayValuesChosen_;
    ShowTexts();
}

// The pick's pixel stays what it is on the screen; what it stands for is worked out again.
void Form1::OnDisplayColoursChanged() {
    displayProfiles_.Forget();
    if (pickColour_) {
        ShowSample(pickPixel_, pickColour_);
    }
}

}  // namespace pixlin
