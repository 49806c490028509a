#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/colour/clr_models.h"
#include "core/colour/rgb.h"
#include "core/design/form1_control.h"

namespace pixlin {

// The text of one of the newer readouts (from lbl_CSSHEX to lbl_CONTRAST) for a colour. The contrast is measured
// against `against`, and is empty without it.
std::string PasteFormText(Form1Control readout, Rgb colour, std::optional<Rgb> against);

// The text any readout shows for a colour value 0x00BBGGRR.
std::string ReadoutText(Form1Control readout, std::int32_t colour, cClrModels& model, std::optional<Rgb> against);

// What the state label says: whether the picker follows the pointer, and what the hot key does now.
std::string StateText(bool frozen);

}  // namespace pixlin
