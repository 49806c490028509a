#pragma once

#include <windows.h>

#include <string>

namespace pixlin {

// A message box drawn with the system's visual styles. The styles come from Common Controls 6, which costs the
// picker about 3 MB of memory while it runs; so the program's manifest does not ask for it, and the library is
// brought in only for the moments a message box is up. `stylesResource` names the manifest resource that asks for
// it; without one the box shows in the classic look.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags, int stylesResource);

}  // namespace pixlin
