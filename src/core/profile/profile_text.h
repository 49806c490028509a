#pragma once

// A profile's own text (its description) as the picker may show it. The text comes from a stranger's file, so it
// may hold anything: what leaves here is valid UTF-8 that a label can show as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace pixlin {

inline constexpr std::size_t kMaxProfileTextChars = 64;

// The code points of UTF-16BE units; an unpaired surrogate becomes U+FFFD and an odd last byte is dropped.
std::u32string CodePointsOfUtf16Be(std::string_view bytes);

// The code points of bytes read as Latin-1: the ASCII part of a v2 description is ASCII by rule, and the bytes
// beyond it that profiles in use hold are Latin-1 ("©").
std::u32string CodePointsOfLatin1(std::string_view bytes);

// As UTF-8 for a label: control, zero-width and direction-changing characters count as blanks, runs of blanks
// become one space, none leads or trails, anything that is not a character becomes U+FFFD, and at most
// kMaxProfileTextChars code points remain.
std::string ShowableText(std::u32string_view text);

}  // namespace pixlin
