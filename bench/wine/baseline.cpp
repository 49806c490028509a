// The least a pointer-following window can do, as a yardstick for pixlin.exe under the same conditions: a frameless
// window of the measured skin's size (the command line's "width height") in the top right corner, a 10 ms timer
// reading the pointer, and the pointer's position in the caption whenever it moved. No skin, no pixel reads, no
// readouts. It shows as much area as the picker does; its own figures hardly depend on that (measured: peak memory
// 18.4 MB and CPU at rest 360 ms at both 300 x 232 and 300 x 400).

#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerIntervalMs = 10;
constexpr int kDefaultWidth = 300;
constexpr int kDefaultHeight = 400;

struct Pointer {
    POINT last{-1, -1};
};

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: {
            auto* pointer = reinterpret_cast<Pointer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            POINT now{};
            GetCursorPos(&now);
            if (pointer != nullptr && (now.x != pointer->last.x || now.y != pointer->last.y)) {
                pointer->last = now;
                wchar_t caption[64];
                std::swprintf(caption, 64, L"X:%ld   Y:%ld", now.x, now.y);
                SetWindowTextW(window, caption);
            }
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    // wcstol, not swscanf: MinGW's own scanf would double this yardstick's size.
    wchar_t* rest = nullptr;
    auto width = static_cast<int>(std::wcstol(commandLine, &rest, 10));
    auto height = static_cast<int>(std::wcstol(rest, nullptr, 10));
    if (width <= 0 || height <= 0) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = BaselineProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"PixlinBaseline";
    RegisterClassExW(&windowClass);

    Pointer pointer;
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_APPWINDOW, windowClass.lpszClassName, L"baseline", WS_POPUP,
                        GetSystemMetrics(SM_CXSCREEN) - width, 0, width, height, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pointer));
    SetTimer(window, kTimerId, kTimerIntervalMs, nullptr);
    ShowWindow(window, SW_SHOW);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
