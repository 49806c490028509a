#include "picker/form1.h"

#include <windowsx.h>

#include "picker/form1_bindings.h"

namespace pixlin {
namespace {

constexpr WPARAM kEscapeKey = 27;

// The Button argument of a mouse press.
constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
constexpr int16_t kMiddleButton = 4;

// The shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftState() noexcept {
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

}  // namespace

Form1::Form1(Form1Args args) : args_(std::move(args)) {
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
        case WM_LBUTTONUP:
            guard_.Run(hwnd_, [this, lParam] { OnLeftButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); });
            return 0;
        case WM_CAPTURECHANGED:
            pressedLabel_.reset();
            return 0;
        case WM_PAINT:
            guard_.Run(hwnd_, [this] { OnPaint(); });
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == text1_) {
                return OnText1Colours(reinterpret_cast<HDC>(wParam));
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
            break;
        case WM_DPICHANGED:
            guard_.Run(hwnd_, [this, wParam, lParam] {
                OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            });
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The name box is the system's own edit control, not subclassed: the system's subclassing helper lives in the common
// controls library, which would then stay loaded for the whole run.
bool Form1::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || text1_ == nullptr || message.hwnd != text1_) {
        return false;
    }
    guard_.Run(hwnd_, [this, &message] { Form_KeyDown(static_cast<int16_t>(message.wParam), ShiftState()); });
    return !IsWindow(message.hwnd);
}

void Form1::Form_KeyDown(int16_t KeyCode, int16_t Shift) {
    if (static_cast<WPARAM>(KeyCode) == kEscapeKey) {
        Unload(kUnloadFromCode);
        return;
    }
    MoveLoupeSelection(KeyCode, Shift);
}

void Form1::Label3_Click() {
    Unload(kUnloadFromCode);
}

void Form1::Form_QueryUnload(int16_t& /*Cancel*/, int16_t /*UnloadMode*/) {
    // The window draws through BeginPaint and GetDC pairs only, so it holds no device context to give back.
    hotkey_ = GlobalHotkey();
}

void Form1::Unload(int16_t unloadMode) {
    if (unloading_ || hwnd_ == nullptr) {
        return;
    }
    unloading_ = true;
    int16_t cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    DestroyWindow(hwnd_);
}

// Ends without the query-unload handler, but gives back the hot key's atom: global atoms outlive the process, and
// every failed start would otherwise keep another reference to "MyHotKey" until the user logs off.
void Form1::EndWithoutUnload() {
    unloading_ = true;
    hotkey_ = GlobalHotkey();
    DestroyWindow(hwnd_);
}

std::optional<Form1Control> Form1::LabelAtPixel(int32_t x, int32_t y) const {
    std::array<PixelRect, kForm1LabelCount> rects;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        rects[i] = labels_[i].pixels;
    }
    const auto index = TopmostAt(rects, x, y);
    if (!index) {
        return std::nullopt;
    }
    return static_cast<Form1Control>(*index);
}

// A label is clicked when the button goes down and up again over it; a press on the loupe picks a pixel, and a
// press beside both drags the window.
void Form1::OnLeftButtonDown(int32_t x, int32_t y) {
    pressedLabel_ = LabelAtPixel(x, y);
    if (pressedLabel_) {
        SetCapture(hwnd_);
    } else if (loupe_.Contains(x, y)) {
        // The keys go to the window from now on, so that the arrows walk from the picked pixel.
        SetFocus(hwnd_);
        if (const std::optional<LoupePick> pick = loupe_.SelectAt(hwnd_, x, y)) {
            ShowSample(pick->pixel, pick->colour);
        }
    } else {
        Form_MouseDown(kLeftButton, ShiftState(), scale_.Twips(x), scale_.Twips(y));
    }
}

// Labels take clicks of the left button only; the other buttons press on them to no effect.
void Form1::OnOtherButtonDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
    if (!LabelAtPixel(x, y) && !loupe_.Contains(x, y)) {
        Form_MouseDown(button, shift, scale_.Twips(x), scale_.Twips(y));
    }
}

void Form1::OnLeftButtonUp(int32_t x, int32_t y) {
    const std::optional<Form1Control> pressed = pressedLabel_;
    if (GetCapture() == hwnd_) {
        ReleaseCapture();
    }
    pressedLabel_.reset();
    if (!pressed || LabelAtPixel(x, y) != pressed) {
        return;
    }
    if (const auto click = BindingOf(*pressed).click) {
        (this->*click)();
    }
}

}  // namespace pixlin
