#pragma once

#include <string>
#include <string_view>

namespace pixlin {

// Empty for a drive root such as "C:\", which already ends in a backslash; otherwise a single backslash.
std::wstring AppPathSep(std::wstring_view programDir);

// Program directory, AppPathSep, file name.
std::wstring DataFilePath(std::wstring_view programDir, std::wstring_view fileName);

// The directory of the program file from its full module file name, in the form AppPathSep expects: no trailing
// backslash, except for a plain drive root ("C:\pixlin.exe" gives "C:\").
std::wstring ProgramDirectory(std::wstring_view moduleFileName);

}  // namespace pixlin
