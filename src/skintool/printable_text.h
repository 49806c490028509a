#pragma once

#include <string>
#include <string_view>

namespace pixlin::skintool {

// Text from outside the checker (folder names, arguments, file names) as it can go to a terminal or into JSON:
// printable UTF-8 as it is; control characters (escape sequences, line ends), the bidirectional overrides and
// bytes that are not UTF-8 as \xNN, so that nothing printed can move the cursor, recolour the terminal or break
// a reader of the output.
std::string Printable(std::string_view text);

}  // namespace pixlin::skintool
