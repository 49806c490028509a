#pragma once

#include <windows.h>

#include <functional>

namespace pixlin {

// Registers a global hot key for the window and subclasses it, so that each press of the hot key runs the action.
// One window per process. The action runs inside the window procedure and must not throw.
void InstallHotkey(HWND window, UINT modifiers, UINT virtualKey, std::function<void()> onHotkey);

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Unregisters the hot key, restores the previous window procedure and frees the atom.
// Does nothing unless the hot key is installed.
void RemoveHotkey();

}  // namespace pixlin
