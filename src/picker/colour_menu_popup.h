#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <span>

#include "core/design/colour_menu.h"

namespace pixlin {

using ColourMenuChooser =
    std::function<std::optional<ColourCommand>(HWND owner, std::span<const ColourMenuItem> items, POINT at)>;

// The colours' menu as the system's context menu at a screen point: the command chosen, nothing when dismissed.
std::optional<ColourCommand> ShowColourMenu(HWND owner, std::span<const ColourMenuItem> items, POINT at);

}  // namespace pixlin
