#pragma once

#include <windows.h>

#include <string_view>

namespace pixlin {

// Puts the text on the clipboard as its only content (Unicode text; the system derives the ANSI form). Returns
// false when it could not:
// - the memory for the text could not be had, or another program held the clipboard throughout the retries (about a
//   quarter of a second): the clipboard is untouched;
// - the system refused the text once the clipboard was emptied, which writing it requires: the clipboard is then
//   left empty, as what it held before cannot be put back.
bool PutTextOnClipboard(HWND owner, std::string_view utf8);

}  // namespace pixlin
