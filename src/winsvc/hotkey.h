#pragma once

#include <windows.h>

namespace pixlin {

class Timer;

// Registers a global hot key for the window and subclasses it, so that the hot key
// switches the sampling timer off and on. One window per process.
void InstallHotkey(HWND window, UINT modifiers, UINT virtualKey, Timer& samplingTimer);

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Unregisters the hot key, restores the previous window procedure and frees the atom.
// Does nothing unless the hot key is installed.
void RemoveHotkey();

}  // namespace pixlin
