#include "win32/monitor_profile.h"

#include "win32/win_handles.h"

namespace pixlin {

std::optional<MonitorAtPixel> MonitorAt(POINT pixel) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    const HMONITOR monitor = MonitorFromPoint(pixel, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
        return std::nullopt;
    }
    return MonitorAtPixel{info.rcMonitor, info.szDevice};
}

std::optional<std::wstring> DisplayProfilePath(const std::wstring& device) {
    // DeleteDC gives back a DC from CreateDCW as it does a memory DC.
    const MemoryDc dc(CreateDCW(device.c_str(), device.c_str(), nullptr, nullptr));
    if (!dc) {
        return std::nullopt;
    }
    std::wstring path(MAX_PATH, L'\0');
    DWORD chars = MAX_PATH;
    if (!GetICMProfileW(dc.get(), &chars, path.data())) {
        // A path longer than MAX_PATH: the call says how long, once.
        if (chars <= MAX_PATH || chars > 32768) {
            return std::nullopt;
        }
        path.assign(chars, L'\0');
        if (!GetICMProfileW(dc.get(), &chars, path.data())) {
            return std::nullopt;
        }
    }
    path.resize(path.find(L'\0'));
    return path.empty() ? std::nullopt : std::optional(path);
}

std::optional<std::string> ReadProfileFile(const std::wstring& path, std::size_t maxBytes) {
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    // A pipe or a device might never end or answer: only files on a disk are read.
    LARGE_INTEGER size{};
    if (!file || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    // One byte more than its size tells a file that grew since the size was taken.
    std::string bytes(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
    std::size_t filled = 0;
    DWORD read = 0;
    while (filled < bytes.size() &&
           ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read, nullptr) &&
           read > 0) {
        filled += read;
    }
    if (filled == bytes.size()) {
        return std::nullopt;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace pixlin
