#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/form1_design.h"
#include "core/skin/layout_reader.h"

namespace pixlin::skintool {

enum class ControlRole { Readout, Swatch, ClickArea, NameBox, Quit, Loupe };

// A control as the picker shows it once the layout file has been read.
struct PlacedControl {
    // None for the loupe, which the window draws itself.
    std::optional<Form1Control> control;
    // The layout key that places it, as written in the file.
    std::string_view key;
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
    // Bottom first. The loupe, when a layout line places it, is drawn on the skin under every other control.
    std::vector<PlacedControl> controls;
    std::optional<std::int16_t> alpha;
    std::int32_t loupeFactor = kDefaultLoupeFactor;
    // The editor line that last gave the loupe's factor, 0 for none.
    std::int32_t loupeFactorLine = 0;
};

// Applies the reader's assignments to the built-in design at 96 dpi, as the picker's window does. A layout without
// a loupe line has no loupe; the box of one starts empty at 0,0.
WindowLayout PlaceControls(std::string_view layoutBytes);

}  // namespace pixlin::skintool
