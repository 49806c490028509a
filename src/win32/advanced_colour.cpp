#include "win32/advanced_colour.h"

#include <windows.h>

#include <vector>

namespace pixlin {
namespace {

std::vector<DISPLAYCONFIG_PATH_INFO> ActivePaths() {
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    std::vector<DISPLAYCONFIG_MODE_INFO> modes;
    // The configuration may change between asking for its size and reading it: then the sizes are asked again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        UINT32 pathCount = 0;
        UINT32 modeCount = 0;
        if (GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) {
            return {};
        }
        paths.resize(pathCount);
        modes.resize(modeCount);
        const LONG result =
            QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(), nullptr);
        if (result == ERROR_SUCCESS) {
            paths.resize(pathCount);
            return paths;
        }
        if (result != ERROR_INSUFFICIENT_BUFFER) {
            return {};
        }
    }
    return {};
}

bool ShowsDevice(const DISPLAYCONFIG_PATH_INFO& path, const std::wstring& device) {
    DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
    source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
    source.header.size = sizeof(source);
    source.header.adapterId = path.sourceInfo.adapterId;
    source.header.id = path.sourceInfo.id;
    return DisplayConfigGetDeviceInfo(&source.header) == ERROR_SUCCESS && device == source.viewGdiDeviceName;
}

}  // namespace

bool AdvancedColourOn(const std::wstring& device) {
    for (const DISPLAYCONFIG_PATH_INFO& path : ActivePaths()) {
        if (!ShowsDevice(path, device)) {
            continue;
        }
        DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO info{};
        info.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO;
        info.header.size = sizeof(info);
        info.header.adapterId = path.targetInfo.adapterId;
        info.header.id = path.targetInfo.id;
        // HDR sets advancedColorEnabled; automatic colour management on an SDR display sets wideColorEnforced.
        if (DisplayConfigGetDeviceInfo(&info.header) == ERROR_SUCCESS &&
            (info.advancedColorEnabled != 0 || info.wideColorEnforced != 0)) {
            return true;
        }
    }
    return false;
}

}  // namespace pixlin
