#include "win32/hotkey.h"

#include <utility>

namespace pixlin {

// Each holder takes its own reference to the atom: a second running copy of the program gets the same atom, and the
// name stays in the system's table until the last holder lets go.
GlobalHotkey::GlobalHotkey(HWND window, const wchar_t* name, UINT modifiers, UINT virtualKey) noexcept
    : window_(window) {
    const ATOM atom = GlobalAddAtomW(name);
    if (atom == 0) {
        return;
    }
    if (!RegisterHotKey(window, atom, modifiers, virtualKey)) {
        GlobalDeleteAtom(atom);
        return;
    }
    atom_ = atom;
}

GlobalHotkey::GlobalHotkey(GlobalHotkey&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), atom_(std::exchange(other.atom_, 0)) {}

GlobalHotkey& GlobalHotkey::operator=(GlobalHotkey&& other) noexcept {
    if (this != &other) {
        Release();
        window_ = std::exchange(other.window_, nullptr);
        atom_ = std::exchange(other.atom_, 0);
    }
    return *this;
}

GlobalHotkey::~GlobalHotkey() {
    Release();
}

void GlobalHotkey::Release() noexcept {
    if (atom_ == 0) {
        return;
    }
    // A window already destroyed has lost its registration with it: nothing is left to undo but the atom.
    UnregisterHotKey(window_, atom_);
    GlobalDeleteAtom(atom_);
    atom_ = 0;
}

}  // namespace pixlin
