#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace pixlin {

// Writes `bytes` as the file `path`, whole or not at all: into a new file beside it, flushed to the disk, which then
// takes the name in one step. A reader, or a second copy of the program writing at the same moment, finds either the
// old file or a complete new one, never a part. False, with `path` as it was and no file left beside it, when a step
// fails; GetLastError then says why.
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);

struct SmallFile {
    enum class State { Read, Missing, Failed } state = State::Missing;
    // Up to one byte more than the limit, so that a reader can tell a file that is too large.
    std::string bytes;
    DWORD error = 0;
};

// Reads at most `limit` + 1 bytes of a file; shared with writers and with a rename, so that another program (or a copy
// of this one) may replace the file meanwhile.
SmallFile ReadSmallFile(const std::wstring& path, std::size_t limit);

// Renames a file to `path` + `suffix`, or with "-2", "-3" and so on after it when that name is taken. The new name,
// empty when the file could not be renamed.
std::wstring MoveAside(const std::wstring& path, std::wstring_view suffix);

}  // namespace pixlin
