#pragma once

// A patch of the screen whose every pixel differs from every other, so that a test can tell which screen pixel it
// is looking at by its colour alone.

#include "core/design/form1_design.h"
#include "support/test_window.h"
#include "win32/dib_section.h"
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

// Whether the screen shows `pixels` (0x00RRGGBB, row by row) over the whole of `place`.
inline bool ScreenShows(const PixelRect& place, const std::vector<uint32_t>& pixels) {
    const int32_t width = place.right - place.left;
    const int32_t height = place.bottom - place.top;
    void* bits = nullptr;
    const Bitmap copy = CreateTopDownBitmap(static_cast<UINT>(width), static_cast<UINT>(height), &bits);
    const MemoryDc target(CreateCompatibleDC(nullptr));
    const SelectedObject selected(target.get(), copy.get());
    const WindowDc screen(nullptr);
    if (!bits || !BitBlt(target.get(), 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY)) {
        return false;
    }
    const auto* shown = static_cast<const uint32_t*>(bits);
    for (size_t index = 0; index < pixels.size(); ++index) {
        if ((shown[index] & 0xFFFFFF) != pixels[index]) {
            return false;
        }
    }
    return true;
}

// Paints a window covering `place` with `pixels` (0x00RRGGBB, row by row); true once the screen shows every one of
// them. Under Wine a window just shown can reach the screen in parts, and one corner on the screen said nothing about
// the rest: a test then read black where the patch was meant to be.
inline bool ShowPixels(const TestWindow& window, const PixelRect& place, const std::vector<uint32_t>& pixels) {
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    for (int attempt = 0; attempt < 300; ++attempt) {
        DrainMessages();
        DrawPixels(WindowDc(window.get()).get(), {0, 0, place.right - place.left, place.bottom - place.top}, pixels);
        if (ScreenShows(place, pixels)) {
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
