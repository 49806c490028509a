#pragma once

#include <windows.h>

#include <string>

namespace pixlin {

// Everything from the file's current position to its end; what was read before a read error.
std::string ReadToEnd(HANDLE file);

}  // namespace pixlin
