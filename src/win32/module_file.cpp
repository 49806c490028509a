#include "win32/module_file.h"

#include <windows.h>

namespace pixlin {

std::wstring ProgramFileName() {
    // Long-path names reach 32767 characters; GetModuleFileNameW truncates silently, so grow until it fits.
    constexpr DWORD kLongestPath = 32768;
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size() || name.size() >= kLongestPath) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

}  // namespace pixlin
