#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/form1_design.h"
#include "window/layout_reader.h"

namespace pixlin::skintool {

enum class ControlRole { Readout, Swatch, ClickArea, NameBox, Quit };

// A control as the picker shows it once the layout file has been read.
struct PlacedControl {
    Form1Control control;
    // The layout key that places it.
    LayoutKey key;
    ControlRole role;
    std::string name;
    PixelRect box;
    // Text colour 0x00BBGGRR, for controls that draw text.
    std::optional<std::int32_t> foreColor;
    // False when no line of the layout file places it: it keeps its built-in place.
    bool named = false;
    // The editor line of the layout file that last placed it, 0 for none.
    std::int32_t line = 0;
};

struct WindowLayout {
    std::vector<PlacedControl> controls;
    std::optional<std::int16_t> alpha;
};

// Applies the reader's assignments to the built-in design at 96 dpi, as the picker's window does.
WindowLayout PlaceControls(std::string_view layoutBytes);

}  // namespace pixlin::skintool
