#pragma once

#include <windows.h>

#include <cstdint>

namespace pixlin {

inline constexpr int32_t kTranslucencyApplied = 0;
inline constexpr int32_t kTranslucencyOutOfRange = 1;
inline constexpr int32_t kTranslucencyFailed = 2;

// Makes the window layered with one constant alpha (0 invisible .. 255 opaque).
int32_t SetTranslucency(HWND window, int16_t alpha);

}  // namespace pixlin
