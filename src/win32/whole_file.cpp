#include "win32/whole_file.h"

#include <algorithm>

#include "win32/win_handles.h"

namespace pixlin {
namespace {

constexpr DWORD kRetryPauseMs = 25;
constexpr int kRenameAttempts = 11;  // ten pauses: about a quarter of a second in all
constexpr int kAsideNames = 100;

// A name beside the file that no other writer uses: each copy of the program its own, each write of it its own.
std::wstring NewFileName(const std::wstring& path) {
    static LONG counter = 0;
    return path + L".new-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A reader that has the file open without sharing its deletion (a virus scanner, say) holds the rename up for a
// moment; a few tries get past it.
bool Replace(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (attempt == kRenameAttempts || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
            SetLastError(error);
            return false;
        }
        Sleep(kRetryPauseMs);
    }
}

}  // namespace

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = NewFileName(path);
    bool written = false;
    {
        const FileHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    }
    if (written && Replace(temporary, path)) {
        return true;
    }
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
}

SmallFile ReadSmallFile(const std::wstring& path, std::size_t limit) {
    SmallFile result;
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        result.error = GetLastError();
        result.state = result.error == ERROR_FILE_NOT_FOUND || result.error == ERROR_PATH_NOT_FOUND
                           ? SmallFile::State::Missing
                           : SmallFile::State::Failed;
        return result;
    }
    // Room for the size the file has now and one byte more, which shows whether it grew meanwhile; never more than the
    // limit and one byte. Allocating the limit itself would cost a start-up milliseconds for a file of a few kilobytes.
    const std::size_t wanted = limit + 1;
    LARGE_INTEGER size{};
    std::size_t room = wanted;
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart >= 0 && static_cast<ULONGLONG>(size.QuadPart) < limit) {
        room = static_cast<std::size_t>(size.QuadPart) + 1;
    }
    result.bytes.resize(room);
    std::size_t have = 0;
    while (have < wanted) {
        if (have == result.bytes.size()) {
            result.bytes.resize(std::min(wanted, result.bytes.size() * 2));
        }
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - have, 1u << 20));
        DWORD read = 0;
        if (!ReadFile(file.get(), result.bytes.data() + have, chunk, &read, nullptr)) {
            result.error = GetLastError();
            result.state = SmallFile::State::Failed;
            result.bytes.clear();
            return result;
        }
        if (read == 0) {
            break;
        }
        have += read;
    }
    result.bytes.resize(have);
    result.state = SmallFile::State::Read;
    return result;
}

std::wstring MoveAside(const std::wstring& path, std::wstring_view suffix) {
    const std::wstring base = path + std::wstring(suffix);
    for (int number = 1; number <= kAsideNames; ++number) {
        const std::wstring aside = number == 1 ? base : base + L"-" + std::to_wstring(number);
        if (MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
            return aside;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
            return {};
        }
    }
    return {};
}

}  // namespace pixlin
