#include "win32/popup_menu.h"

namespace pixlin {
namespace {

struct MenuOwner {
    HMENU menu = CreatePopupMenu();
    MenuOwner() = default;
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    ~MenuOwner() {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
    }
};

}  // namespace

UINT ShowPopupMenu(HWND owner, std::span<const PopupItem> items, POINT at) {
    const MenuOwner popup;
    if (popup.menu == nullptr) {
        return 0;
    }
    for (const PopupItem& item : items) {
        if (item.separatorBefore) {
            AppendMenuW(popup.menu, MF_SEPARATOR, 0, nullptr);
        }
        const UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        AppendMenuW(popup.menu, flags, item.id, item.text.c_str());
    }
    // The menu closes when the user clicks outside it only if its owner is the foreground window; and the message
    // posted after it lets the system finish the menu's own clean-up before the next menu opens.
    SetForegroundWindow(owner);
    const auto chosen = static_cast<UINT>(
        TrackPopupMenuEx(popup.menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                         at.x, at.y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace pixlin
