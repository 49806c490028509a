#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace pixlin {

// The system's Save dialog for a palette file, one type a format (GIMP, Adobe swatch exchange, style sheet, Pixlin's
// JSON). The chosen path ends in the extension of one of these formats: a name without one gets the chosen type's.
// Nothing when the user cancels or the dialog cannot be shown.
std::optional<std::wstring> AskPaletteFileToSave(HWND owner);

// The system's Open dialog for a palette file of a format Pixlin reads; nothing when the user cancels.
std::optional<std::wstring> AskPaletteFileToOpen(HWND owner);

}  // namespace pixlin
