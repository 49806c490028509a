#pragma once

#include <string>
#include <string_view>

#include "skintool/finding.h"

namespace pixlin::skintool {

// The same findings as the text report, as one JSON object: {"folder", "exit", "findings": [{"severity", "file",
// "line", "kind", "message", "fix"}]}; "line" is null for findings about a whole file.
std::string JsonReport(std::string_view folder, const Findings& findings);

}  // namespace pixlin::skintool
