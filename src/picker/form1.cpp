#include "picker/form1.h"

#include <windowsx.h>

#include "picker/event_arguments.h"

namespace pixlin {

Form1::Form1(Form1Args args)
    : args_(std::move(args)),
      guard_(args_.reportFailure ? HandlerGuard(args_.reportFailure) : HandlerGuard()),
      copier_(
          hwnd_,
          args_.writeClipboard,
          [this] { PlaySound(); },
          history_),
      keeping_(args_.keepingPlace ? *args_.keepingPlace : DefaultKeepingPlace()) {
    history_.OnChange([this] { SaveKeptColours(); });
    guard_.Run(nullptr, [this] { CreateWindowAndControls(); });
    if (hwnd_ != nullptr) {
        guard_.Run(hwnd_, [this] { Form_Load(); });
    }
}

Form1::~Form1() {
    if (hwnd_ != nullptr) {
        Unload(kUnloadFromCode);
    }
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (timer1_ && wParam == timer1_->id()) {
                guard_.Run(hwnd_, [this] { Timer1_Timer(); });
            }
            return 0;
        case WM_KEYDOWN:
            guard_.Run(hwnd_, [this, wParam] { Form_KeyDown(static_cast<int16_t>(wParam), ShiftState()); });
            return 0;
        case WM_LBUTTONDOWN:
            guard_.Run(hwnd_, [this, lParam] { OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); });
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            guard_.Run(hwnd_, [this, message, lParam] {
                OnOtherButtonDown(message == WM_RBUTTONDOWN ? kRightButton : kMiddleButton, ShiftState(),
                                  GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            });
            return 0;
        case WM_MOUSEWHEEL:
            guard_.Run(hwnd_, [this, wParam, lParam] {
                OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            });
            return 0;
        case WM_RBUTTONUP:
            // On the swatches the menu opens here, without the system's WM_CONTEXTMENU after it.
            if (RightPressActionAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) == WindowAction::ColourMenu) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(hwnd_, &at);
                guard_.Run(hwnd_, [this, at] { OnContextMenu(at); });
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            // From the keyboard the point is -1, -1.
            guard_.Run(hwnd_, [this, lParam] {
                const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                OnContextMenu(at.x == -1 && at.y == -1 ? std::nullopt : std::optional(at));
            });
            return 0;
        case WM_LBUTTONUP:
            guard_.Run(hwnd_, [this, lParam] { OnLeftButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); });
            return 0;
        case WM_CAPTURECHANGED:
            pressedLabel_.reset();
            return 0;
        case WM_PAINT:
            guard_.Run(hwnd_, [this] { OnPaint(); });
            // Painted or not (a handler failed, and an error message is up), the window counts as painted: otherwise
            // WM_PAINT comes straight back, and the program spins for as long as the message shows.
            ValidateRect(hwnd_, nullptr);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == panel_.Text1()) {
                return panel_.Text1Colours(reinterpret_cast<HDC>(wParam));
            }
            break;
        case WM_CLOSE:
            guard_.Run(hwnd_, [this] { Unload(kUnloadFromControlMenu); });
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                guard_.Run(hwnd_, [this] { Unload(kUnloadFromSessionEnd); });
            }
            return 0;
        case WM_HOTKEY:
            if (hotkey_.IsPressedBy(wParam)) {
                guard_.Run(hwnd_, [this] { ToggleSampling(); });
                return 0;
            }
            if (copyHotkey_.IsPressedBy(wParam)) {
                guard_.Run(hwnd_, [this] { OnCopyKey(); });
                return 0;
            }
            break;
        case WM_DPICHANGED:
            guard_.Run(hwnd_, [this, wParam, lParam] {
                OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            });
            return 0;
        case WM_DISPLAYCHANGE:
        case WM_SETTINGCHANGE:
            // A display's profile or advanced colour may have changed with either; both are rare, and the profile is
            // read again at once.
            guard_.Run(hwnd_, [this] { OnDisplayColoursChanged(); });
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pixlin
