#pragma once

#include <string_view>

#include "skintool/finding.h"

namespace pixlin::skintool {

// Every trap of the layout file's bytes, line by line, with what the picker's reader makes of each line.
Findings LayoutFindings(std::string_view bytes);

}  // namespace pixlin::skintool
