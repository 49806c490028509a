#pragma once

#include <windows.h>

#include <string>

namespace pixlin {

// The system's own description of an error code, without the line end the system appends; empty for a code the
// system does not know.
std::wstring SystemErrorText(DWORD code);

}  // namespace pixlin
