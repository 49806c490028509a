#pragma once

// A patch of the screen whose every pixel differs from every other, so that a test can tell which screen pixel it
// is looking at by its colour alone.

#include "core/design/form1_design.h"
#include "support/test_window.h"
#include "win32/draw_pixels.h"
#include "win32/win_handles.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace pixlin::testing {

// Every pixel of the virtual display differs from every other: red and green are x and y modulo 256, blue holds the
// rest of both.
inline uint32_t Distinct(int32_t x, int32_t y) {
    const auto blue = static_cast<uint32_t>(((x >> 8) & 0xF) << 4 | ((y >> 8) & 0xF));
    return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8) | blue;
}

inline COLORREF AsColorRef(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

inline std::vector<uint32_t> DistinctPixels(const PixelRect& area) {
    std::vector<uint32_t> pixels;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            pixels.push_back(Distinct(x, y));
        }
    }
    return pixels;
}

// Paints a window covering `place` with `pixels` (0x00RRGGBB, row by row); true once the screen shows them.
inline bool ShowPixels(const TestWindow& window, const PixelRect& place, const std::vector<uint32_t>& pixels) {
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    for (int attempt = 0; attempt < 300; ++attempt) {
        DrainMessages();
        DrawPixels(WindowDc(window.get()).get(), {0, 0, place.right - place.left, place.bottom - place.top}, pixels);
        const WindowDc screen(nullptr);
        if (GetPixel(screen.get(), place.left, place.top) == AsColorRef(pixels.front()) &&
            GetPixel(screen.get(), place.right - 1, place.bottom - 1) == AsColorRef(pixels.back())) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

// The same with the distinct pixels of that screen area.
inline bool ShowDistinct(const TestWindow& window, const PixelRect& place) {
    return ShowPixels(window, place, DistinctPixels(place));
}

}  // namespace pixlin::testing
