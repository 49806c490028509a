#pragma once

#include <windows.h>

namespace pixlin {

// Keeps the window above all non-topmost windows, or releases it; position and size stay.
void SetTopmost(HWND window, bool topmost);

}  // namespace pixlin
