#include "picker/form1.h"

#include "picker/event_arguments.h"

namespace pixlin {
namespace {

constexpr WPARAM kEscapeKey = 27;
// Shift+arrow walks ten pixels at a time.
constexpr int32_t kShiftStep = 10;
constexpr int16_t kShiftMask = 1;

}  // namespace

void Form1::Form_KeyDown(int16_t KeyCode, int16_t Shift) {
    if (static_cast<WPARAM>(KeyCode) == kEscapeKey) {
        Unload(kUnloadFromCode);
        return;
    }
    MoveLoupeSelection(KeyCode, Shift);
}

// The name box is the system's own edit control, not subclassed: the system's subclassing helper lives in the common
// controls library, which would then stay loaded for the whole run (about 3 MB more under Wine). Its own context menu
// keys open the colours' menu instead of the edit control's, as they do over the rest of the window.
bool Form1::PreviewKey(const MSG& message) {
    if (panel_.Text1() == nullptr || message.hwnd != panel_.Text1()) {
        return false;
    }
    const bool shiftF10 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0;
    const bool menuKey = (message.message == WM_KEYDOWN || message.message == WM_KEYUP) && message.wParam == VK_APPS;
    if (shiftF10 || menuKey) {
        if (message.message != WM_KEYDOWN) {
            guard_.Run(hwnd_, [this] { OnContextMenu(std::nullopt); });
        }
        return true;
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    guard_.Run(hwnd_, [this, &message] { Form_KeyDown(static_cast<int16_t>(message.wParam), ShiftState()); });
    return !IsWindow(message.hwnd);
}

// Arrows belong to the loupe only while it holds a picture; true when the key was used.
bool Form1::MoveLoupeSelection(int16_t keyCode, int16_t shift) {
    if (!loupe_.Held()) {
        return false;
    }
    const int32_t step = (shift & kShiftMask) != 0 ? kShiftStep : 1;
    int32_t dx = 0;
    int32_t dy = 0;
    switch (keyCode) {
        case VK_LEFT:
            dx = -step;
            break;
        case VK_RIGHT:
            dx = step;
            break;
        case VK_UP:
            dy = -step;
            break;
        case VK_DOWN:
            dy = step;
            break;
        default:
            return false;
    }
    if (const std::optional<LoupePick> pick = loupe_.MoveSelection(hwnd_, dx, dy)) {
        ShowSample(pick->pixel, pick->colour);
    }
    return true;
}

}  // namespace pixlin
