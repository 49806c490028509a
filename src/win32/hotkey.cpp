#include "win32/hotkey.h"

#include <utility>

namespace pixlin {
namespace {

// Everything the installed hot key needs to be recognised and taken down again. A window procedure has no other
// place to find it: the window's own user data belongs to the window.
struct InstalledHotkey {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    // The atom doubles as the hot key's identifier.
    ATOM atom = 0;
    std::function<void()> onHotkey;

    int Id() const noexcept { return static_cast<int>(atom); }
};

InstalledHotkey installed;

}  // namespace

void InstallHotkey(HWND window, UINT modifiers, UINT virtualKey, std::function<void()> onHotkey) {
    installed.window = window;
    installed.onHotkey = std::move(onHotkey);
    installed.atom = GlobalAddAtomW(L"MyHotKey");
    RegisterHotKey(window, installed.Id(), modifiers, virtualKey);
    installed.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_HOTKEY && wParam == static_cast<WPARAM>(installed.Id())) {
        if (installed.onHotkey) {
            installed.onHotkey();
        }
        return 0;
    }
    return CallWindowProcW(installed.previousProc, window, message, wParam, lParam);
}

void RemoveHotkey() {
    if (installed.window == nullptr) {
        return;
    }
    UnregisterHotKey(installed.window, installed.Id());
    SetWindowLongPtrW(installed.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(installed.previousProc));
    GlobalDeleteAtom(installed.atom);
    // A second removal must not release the atom again: another running copy may hold it too.
    installed = InstalledHotkey{};
}

}  // namespace pixlin
