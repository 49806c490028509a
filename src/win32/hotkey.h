#pragma once

#include <windows.h>

namespace pixlin {

// A global hot key registered for one window, its identifier a global atom of the key's own name, as the system asks
// of identifiers that other programs may register at the same time. Holds the atom and the registration from
// construction until it is destroyed or assigned over; moves, never copies. One key combination has one holder in the
// whole system: when another window holds it already, this one holds nothing, and the window works on without it.
class GlobalHotkey {
public:
    GlobalHotkey() noexcept = default;
    GlobalHotkey(HWND window, const wchar_t* name, UINT modifiers, UINT virtualKey) noexcept;
    GlobalHotkey(GlobalHotkey&& other) noexcept;
    GlobalHotkey& operator=(GlobalHotkey&& other) noexcept;
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;
    ~GlobalHotkey();

    bool Held() const noexcept { return atom_ != 0; }
    // Whether a WM_HOTKEY message with this wParam is this key's press.
    bool IsPressedBy(WPARAM hotkeyId) const noexcept { return Held() && hotkeyId == atom_; }

private:
    void Release() noexcept;

    HWND window_ = nullptr;
    // Nonzero only while the key is registered.
    ATOM atom_ = 0;
};

}  // namespace pixlin
