#pragma once

#include <optional>
#include <string_view>

namespace pixlin {

// Reads a number of the skin layout file: blanks (space, tab, line feed) anywhere are ignored, then the longest
// leading decimal number counts and the rest is ignored; text without one reads as 0. The decimal point is always
// ".", whatever the locale. Nothing is returned when the number is too large for a double, which the reader treats
// as an overflow; a number too small for a double reads as 0.
std::optional<double> ReadLayoutNumber(std::string_view text);

}  // namespace pixlin
