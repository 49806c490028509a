#pragma once

// Windows for tests: a plain top-level one destroyed at the end of its scope, a caption read back, and the
// message queue handled as the message loop would.

#include "win32/wide_text.h"
#include "win32/win_handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace pixlin::testing {

class TestWindow {
public:
    explicit TestWindow(DWORD extendedStyle = 0, RECT place = {40, 50, 160, 130}) {
        static const ATOM windowClass = [] {
            WNDCLASSEXW description{};
            description.cbSize = sizeof(description);
            description.lpfnWndProc = DefWindowProcW;
            description.hInstance = GetModuleHandleW(nullptr);
            description.lpszClassName = L"PixlinTestWindow";
            return RegisterClassExW(&description);
        }();
        window_ = CreateWindowExW(extendedStyle, MAKEINTATOM(windowClass), L"test", WS_POPUP, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() { DestroyWindow(window_); }

    HWND get() const { return window_; }

private:
    HWND window_;
};

// A window's caption, as UTF-8.
inline std::string Caption(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Narrow(text);
}

// Handles what is waiting in the queue, as the message loop would; true when a WM_QUIT was among it. The WM_QUIT
// is taken out either way, so that it cannot end a later test's message box.
inline bool DrainMessages() {
    MSG message;
    bool quit = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
        } else {
            DispatchMessageW(&message);
        }
    }
    return quit;
}

// A window shape as rows of '#' (covered) and '.' (cut out).
using Coverage = std::vector<std::string>;

// The pixels that the window's region covers, row by row over the window's rectangle, or nothing without a region.
// Windows merges a region's rectangles as it likes, so the comparison is by pixel, not by rectangle.
inline Coverage RegionCoverage(HWND window) {
    const Region region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.get()) == ERROR) {
        return {};
    }
    RECT place{};
    GetWindowRect(window, &place);
    Coverage rows;
    for (int y = 0; y < place.bottom - place.top; ++y) {
        std::string line;
        for (int x = 0; x < place.right - place.left; ++x) {
            line += PtInRegion(region.get(), x, y) ? '#' : '.';
        }
        rows.push_back(line);
    }
    return rows;
}

}  // namespace pixlin::testing
