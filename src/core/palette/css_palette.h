#pragma once

#include <string>

#include "core/palette/palette.h"

namespace pixlin {

// Style sheet custom properties, one rule ":root { --name: #RRGGBB; ... }" (export only: a style sheet is no palette
// to read back). Each property is named after its entry: ASCII letters in lower case, digits, and one hyphen for each
// run of anything else, none at either end; "colour-N" (N counting entries from 1) when nothing is left. A name taken
// before gets "-2", "-3" and so on.
std::string WriteCss(const Palette& palette);

}  // namespace pixlin
