#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/form1_design.h"
#include "core/layout/skin_layout.h"

namespace pixlin::skintool {

enum class ControlRole { Readout, Swatch, ClickArea, NameBox, Quit, State, Loupe, History };

// A control as the picker shows it once the layout file has been read.
struct PlacedControl {
    // None for the loupe and the history, which the window draws itself.
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

// The picker's one reading of the layout at 96 dpi, with the editor line of each line the picker reads.
struct LayoutReading {
    SkinLayout layout;
    std::vector<std::int32_t> editorLines;

    // 0 for line 0, which is none.
    std::int32_t EditorLine(std::int64_t readerLine) const;
};

// Called for each line the picker reads, with its editor line and the assignments of it that took effect.
using LineVisitor =
    std::function<void(std::string_view line, std::int32_t editorLine, std::span<const LayoutAssignment> taken)>;

// `bytes` are the file's, or only its start when `fileBytes` is over the picker's limit; `window` is the bitmap's
// area, none when the bitmap cannot be shown.
LayoutReading ReadLayout(std::string_view bytes,
                         std::uint64_t fileBytes,
                         std::optional<PixelRect> window,
                         const LineVisitor& visit = {});

struct WindowLayout {
    // Bottom first. The loupe, when a layout line places it, is drawn on the skin under every other control.
    std::vector<PlacedControl> controls;
    // The loupe as the reading leaves it, when a line placed its box.
    std::optional<LoupeLayout> loupe;
    // The editor line that last gave the loupe's factor, 0 for none.
    std::int32_t loupeFactorLine = 0;
    // The history as the reading leaves it, when a line placed its box.
    std::optional<HistoryLayout> history;
};

// The controls in the picker's stacking order, as the reading places them.
WindowLayout PlaceControls(const LayoutReading& reading);

// The same from the layout's bytes alone.
WindowLayout PlaceControls(std::string_view layoutBytes, std::optional<PixelRect> window = std::nullopt);

}  // namespace pixlin::skintool
