#pragma once

// A plain top-level window for tests, destroyed at the end of its scope.

#include <windows.h>

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

}  // namespace pixlin::testing
