#include "win32/betriebssystem_version.h"

#include <windows.h>

namespace pixlin {

int16_t GetOsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    GetVersionExW(&info);
    return static_cast<int16_t>(info.dwMajorVersion);
}

}  // namespace pixlin
