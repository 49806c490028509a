#pragma once

#include <windows.h>

#include <span>
#include <string>

namespace pixlin {

struct PopupItem {
    UINT id = 0;
    // With "&" before the mnemonic letter.
    std::wstring text;
    bool enabled = true;
    bool checked = false;
    bool separatorBefore = false;
};

// Shows a context menu at a screen point and waits until the user chooses an item or dismisses it: the item's id, or 0.
UINT ShowPopupMenu(HWND owner, std::span<const PopupItem> items, POINT at);

}  // namespace pixlin
