#pragma once

#include <windows.h>

#include <string>

namespace pixlin {

// The system's own description of an error code, without the line end the system appends; where the system has no
// text, Pixlin's own, so that a message never shows a bare number.
std::wstring SystemErrorText(DWORD code);

}  // namespace pixlin
