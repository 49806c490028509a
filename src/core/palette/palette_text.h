#pragma once

#include <string>
#include <string_view>

namespace pixlin {

// A name as a one-line text file can carry it: well-formed UTF-8, each control character a blank, no blanks or tabs
// at either end.
std::string OneLineName(std::string_view name);

// Without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text) noexcept;

// A piece of a stranger's file to quote in a message: well-formed UTF-8, at most about 40 characters.
std::string Quote(std::string_view text);

}  // namespace pixlin
