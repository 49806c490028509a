#pragma once

#include <windows.h>

#include <string_view>

namespace pixlin {

// Empties the clipboard and puts the text on it as its only content (Unicode text;
// the system derives the ANSI form). Another program may hold the clipboard open:
// retries for about a quarter of a second, then gives up and returns false with the
// clipboard untouched.
bool PutTextOnClipboard(HWND owner, std::string_view utf8);

}  // namespace pixlin
