#pragma once

#include <string>

#include "core/colour/rgb.h"

namespace pixlin {

// A name for every colour: for one of the named colours exactly the name box's text; for any other "≈ " and the
// name of the named colour nearest by CIEDE2000, the earlier one in the table on equal distances.
std::string NearestNameText(Rgb colour);

}  // namespace pixlin
