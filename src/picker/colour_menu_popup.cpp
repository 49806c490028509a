#include "picker/colour_menu_popup.h"

#include <vector>

#include "win32/popup_menu.h"
#include "win32/wide_text.h"

namespace pixlin {

std::optional<ColourCommand> ShowColourMenu(HWND owner, std::span<const ColourMenuItem> items, POINT at) {
    std::vector<PopupItem> popup;
    popup.reserve(items.size());
    for (const ColourMenuItem& item : items) {
        popup.push_back(
            {static_cast<UINT>(item.command), Widen(item.text), item.enabled, item.checked, item.separatorBefore});
    }
    const UINT chosen = ShowPopupMenu(owner, popup, at);
    return chosen == 0 ? std::nullopt : std::optional(static_cast<ColourCommand>(chosen));
}

}  // namespace pixlin
