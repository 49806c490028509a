#pragma once

#include <string>

namespace pixlin {

// The full file name of the running program, however long the path and whatever characters it holds.
std::wstring ProgramFileName();

}  // namespace pixlin
