#pragma once

#include <string>
#include <string_view>

#include "skintool/finding.h"

namespace pixlin::skintool {

// One finding per entry, as a compiler reports: "file:line: severity: message [kind]", then its fix indented; a
// closing line counts them and gives the exit status.
std::string TextReport(std::string_view folder, const Findings& findings);

}  // namespace pixlin::skintool
