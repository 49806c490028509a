#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace pixlin {

// Takes the first line of the skin layout file's remaining bytes and moves `rest` past it and its line end.
// A line ends at CR LF or at a lone CR; a lone LF belongs to the line; the last line needs no line end.
// Nothing when no bytes remain. The line views into the same buffer as `rest`.
std::optional<std::string_view> TakeLayoutLine(std::string_view& rest);

// All lines of the file, as views into `bytes`; an empty file has none.
std::vector<std::string_view> SplitLayoutLines(std::string_view bytes);

}  // namespace pixlin
