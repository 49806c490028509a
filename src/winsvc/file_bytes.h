#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace pixlin {

// Everything from the file's current position to its end; what was read before a read error.
std::string ReadToEnd(HANDLE file);

// The whole file, or nothing when it cannot be opened for reading.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

}  // namespace pixlin
