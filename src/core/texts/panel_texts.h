#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/colour/contrast_pair.h"
#include "core/colour/rgb.h"
#include "core/design/form1_control.h"

namespace pixlin {

// Which labels a skin brings into the window, in the order of Form1Control.
using ShownLabels = std::array<bool, kForm1LabelCount>;

// What the readouts are made from: the colour value 0x00BBGGRR they show (none for a pixel that could not be read),
// the colour copied last (none before the first copy) and the sides of the contrast pair the user fixed, which with the
// colour make the pair the contrast and APCA readouts measure. A colour from a display of wider gamut may lie outside
// sRGB: `colour` is then clipped, and `unclipped` holds the colour itself in linear-light sRGB, which the oklch readout
// shows.
struct TextsKey {
    std::optional<std::int32_t> colour;
    std::optional<Rgb> against;
    ContrastPair pair;
    std::optional<std::array<double, 3>> unclipped = std::nullopt;

    bool operator==(const TextsKey&) const = default;
};

// Every text the readouts and the name box show. A label that is no readout, or a newer readout the skin does not
// show, has an empty text: nothing is worked out for it.
struct PanelTexts {
    std::array<std::string, kForm1LabelCount> labels;
    std::string name;

    bool operator==(const PanelTexts&) const = default;
};

PanelTexts MakePanelTexts(const TextsKey& key, const ShownLabels& shown);

// The text one readout shows for the key, as MakePanelTexts gives it; for the copy key, which copies in a readout's
// form whether or not the skin shows it.
std::string ReadoutTextOf(Form1Control readout, const TextsKey& key);

// The texts of the last colour, partner and skin: while none of them changes, nothing is worked out again.
class PanelTextCache {
public:
    const PanelTexts& TextsFor(const TextsKey& key, const ShownLabels& shown);

private:
    std::optional<TextsKey> key_;
    ShownLabels shown_{};
    PanelTexts texts_;
};

}  // namespace pixlin
