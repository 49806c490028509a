#pragma once

#include <windows.h>

#include <cstdint>

namespace pixlin {

// The Button argument of a mouse press.
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

// The Shift argument of a mouse or key event, read when its message is handled: 1 Shift, 2 Ctrl, 4 Alt.
inline int16_t ShiftState() noexcept {
    int16_t state = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        state |= 1;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        state |= 2;
    }
    if (GetKeyState(VK_MENU) < 0) {
        state |= 4;
    }
    return state;
}

}  // namespace pixlin
