#include "winsvc/hotkey.h"

#include "window/timer.h"

namespace pixlin {
namespace {

HWND subclassedWindow_ = nullptr;
WNDPROC previousWindowProc_ = nullptr;
ATOM hotkeyAtom_ = 0;
Timer* samplingTimer_ = nullptr;

// The atom doubles as the hot key's identifier, widened the same way wherever it is used.
int HotkeyId() {
    return static_cast<int>(hotkeyAtom_);
}

}  // namespace

void InstallHotkey(HWND window, UINT modifiers, UINT virtualKey, Timer& samplingTimer) {
    subclassedWindow_ = window;
    samplingTimer_ = &samplingTimer;
    hotkeyAtom_ = GlobalAddAtomW(L"MyHotKey");
    RegisterHotKey(window, HotkeyId(), modifiers, virtualKey);
    previousWindowProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_HOTKEY && wParam == static_cast<WPARAM>(HotkeyId())) {
        samplingTimer_->SetEnabled(!samplingTimer_->Enabled());
        return 0;
    }
    return CallWindowProcW(previousWindowProc_, window, message, wParam, lParam);
}

void RemoveHotkey() {
    if (subclassedWindow_ == nullptr) {
        return;
    }
    UnregisterHotKey(subclassedWindow_, HotkeyId());
    SetWindowLongPtrW(subclassedWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc_));
    GlobalDeleteAtom(hotkeyAtom_);
    // A second removal must not release the atom again: another running copy may hold it too.
    subclassedWindow_ = nullptr;
}

}  // namespace pixlin
