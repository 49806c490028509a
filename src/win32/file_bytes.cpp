#include "win32/file_bytes.h"

#include <algorithm>

namespace pixlin {
namespace {

constexpr DWORD kChunkBytes = 64 * 1024;

}  // namespace

std::string ReadToEnd(HANDLE file) {
    std::string bytes;
    // The size is only a hint for the first allocation: a file may grow or shrink while it is read.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        bytes.reserve(static_cast<std::size_t>(std::min<LONGLONG>(size.QuadPart, 512LL * 1024 * 1024)));
    }
    std::string chunk(kChunkBytes, '\0');
    DWORD read = 0;
    while (ReadFile(file, chunk.data(), kChunkBytes, &read, nullptr) && read > 0) {
        bytes.append(chunk.data(), read);
    }
    return bytes;
}

}  // namespace pixlin
