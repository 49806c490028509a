#pragma once

#include "skintool/control_places.h"
#include "skintool/finding.h"

namespace pixlin::skintool {

// The readouts, the state text and the name box whose box at 100 % is narrower than the widest text the picker can
// show in it, measured in the picker's font as the preview draws it; a note instead when the fonts cannot be used.
Findings TextFitFindings(const WindowLayout& layout);

}  // namespace pixlin::skintool
