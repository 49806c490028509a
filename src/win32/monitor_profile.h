#pragma once

// The monitor under a screen pixel and the colour profile the system gives its display.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace pixlin {

struct MonitorAtPixel {
    // The monitor's rectangle on the virtual screen: pixels inside it need no new look-up.
    RECT bounds{};
    // Its GDI device name ("\\.\DISPLAY1"), which names its DC and its display path.
    std::wstring device;
};

// The monitor showing the pixel, or the nearest one; nothing when the system names none.
std::optional<MonitorAtPixel> MonitorAt(POINT pixel);

// The path of the colour profile the system uses for the monitor's display (GetICMProfileW on a DC of that monitor);
// nothing when it reports none.
std::optional<std::wstring> DisplayProfilePath(const std::wstring& device);

// The whole of a profile file of at most `maxBytes`; nothing for a file that is missing, cannot be read, is no plain
// file on a disk or is larger (refused by its size before it is read).
std::optional<std::string> ReadProfileFile(const std::wstring& path, std::size_t maxBytes);

}  // namespace pixlin
