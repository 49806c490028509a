#pragma once

// Mouse presses sent to a window as the system delivers them, and waiting for the screen to show something.

#include "core/base/rect.h"
#include "support/test_window.h"

#include <windows.h>

namespace pixlin::testing {

inline POINT Centre(const PixelRect& place) {
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

inline LPARAM At(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

// The left button down at one point of the client area and up at another.
inline void Click(HWND window, POINT press, POINT release) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(press));
    SendMessageW(window, WM_LBUTTONUP, 0, At(release));
}

inline void Click(HWND window, POINT point) {
    Click(window, point, point);
}

// Handles the queue and asks again every 10 ms, for up to 3 s, until `shown` is true: the X server shows what a
// window drew a moment later. True once it was.
template <typename Check>
bool UntilShown(Check&& shown) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        DrainMessages();
        if (shown()) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

}  // namespace pixlin::testing
