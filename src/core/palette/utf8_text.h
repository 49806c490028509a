#pragma once

#include <string>
#include <string_view>

namespace pixlin {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point starting at `at`, which moves past it. A byte that starts no well-formed UTF-8 sequence (a stray
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut short) gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& at) noexcept;

// A code point as UTF-8; a surrogate or anything beyond U+10FFFF as U+FFFD.
void AppendUtf8(std::string& text, char32_t code);

// Names from files of strangers as well-formed UTF-8, each bad byte as U+FFFD, so that the JSON writer and the
// window's text conversion never meet malformed text.
std::string ValidUtf8(std::string_view text);

}  // namespace pixlin
