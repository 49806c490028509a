#pragma once

#include <cstdint>

#include <windows.h>

namespace pixlin {

// The dpi of the monitor the window is on, where the system tells it per window (Windows 10 1607 and later, Wine);
// elsewhere the screen's.
int32_t WindowDpi(HWND window);

}  // namespace pixlin
