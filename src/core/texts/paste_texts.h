#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/colour/clr_models.h"
#include "core/colour/contrast_pair.h"
#include "core/colour/rgb.h"
#include "core/design/form1_control.h"

namespace pixlin {

// The text of one of the newer readouts (from lbl_CSSHEX on) for a colour. The contrast and APCA readouts measure the
// pair that `fixed` and `against`, the colour copied last, make with the colour (see ResolvePair); they are empty while
// the pair has no text colour. The contrast text names the sides the user fixed.
std::string PasteFormText(Form1Control readout, Rgb colour, std::optional<Rgb> against, const ContrastPair& fixed = {});

// The text any readout shows for a colour value 0x00BBGGRR.
std::string ReadoutText(Form1Control readout,
                        std::int32_t colour,
                        cClrModels& model,
                        std::optional<Rgb> against,
                        const ContrastPair& fixed = {});

// What the state label says: whether the picker follows the pointer, and what the hot key does now.
std::string StateText(bool frozen);

// What the state label says once, in place of the live or frozen text, about the kept colours: that the file could not
// be read at start-up and was moved aside (why), or that the colours could not be saved.
enum class KeptNotice { Damaged, Foreign, TooLarge, Newer, NotSaved };
inline constexpr std::array kKeptNotices{KeptNotice::Damaged, KeptNotice::Foreign, KeptNotice::TooLarge,
                                         KeptNotice::Newer, KeptNotice::NotSaved};
std::string KeptNoticeText(KeptNotice notice);

}  // namespace pixlin
