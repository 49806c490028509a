#pragma once

#include <string>
#include <vector>

namespace pixlin::skintool {

// The whole program: arguments in UTF-8 without the program's name, reports to standard output, complaints to
// standard error. Returns the exit status.
int Run(const std::vector<std::string>& arguments);

}  // namespace pixlin::skintool
