#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pixlin {

// The colour value 0x00BBGGRR as its HTML code in apostrophes, red first: 33023 gives '#FF8000'.
// Only the low 24 bits count, so -1 gives '#FFFFFF'.
std::string RGB2HTML(int32_t RGB);

// The name of a colour code from the named-colour table, or the empty text. Case is ignored, nothing else:
// the apostrophes and the "#" must be there and nothing may stand around them.
std::string Farbtext(std::string_view Hexcode);

}  // namespace pixlin

using pixlin::Farbtext;
using pixlin::RGB2HTML;
