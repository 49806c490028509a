#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/rect.h"
#include "core/design/display_scale.h"
#include "core/design/form1_control.h"
#include "core/layout/layout_lines.h"
#include "core/layout/layout_reader.h"
#include "core/loupe/loupe_geometry.h"

namespace pixlin {

// What the reading needs to know of the window: its display scale, and its client area in pixels at that scale
// (the picture's size times the scale), which the loupe's cells must lie in. Without a client area the loupe's whole
// box counts as inside the window.
struct LayoutContext {
    DisplayScale scale = DisplayScale();
    std::optional<PixelRect> window;
};

enum class LayoutRefusal { TooLarge };

// A control as the layout leaves it.
struct ControlLayout {
    // Twips at 100 %, as the file gives them.
    TwipsRect place;
    // At the context's scale.
    PixelRect pixels;
    // Colour value 0x00BBGGRR; only controls whose key takes a text colour draw text.
    std::int32_t foreColor = 0;
    // The line (from 1, lines as the picker counts them) that last moved or sized it; 0 while it keeps its built-in
    // place.
    std::int64_t placedBy = 0;
};

struct LoupeLayout {
    TwipsRect place;
    PixelRect box;
    std::int32_t factor = kDefaultLoupeFactor;
    std::int64_t placedBy = 0;
    // The line that gave the factor in use; 0 for the default.
    std::int64_t factorBy = 0;
    // Where the cells lie; none when the part of the box inside the window cannot hold one, and then there is no loupe.
    std::optional<LoupeGeometry> geometry;
};

// The colours copied last, as swatches side by side in a box.
struct HistoryLayout {
    TwipsRect place;
    PixelRect box;
    std::int32_t count = kDefaultHistoryCount;
    std::int64_t placedBy = 0;
    // The line that gave the count in use; 0 for the default.
    std::int64_t countBy = 0;
};

// Everything the picker applies from its layout file.
struct SkinLayout {
    std::array<ControlLayout, kForm1ControlCount> controls;
    // None when no line placed the loupe's box: the skin has no loupe.
    std::optional<LoupeLayout> loupe;
    // None when no line placed the history's box: the skin shows no history.
    std::optional<HistoryLayout> history;
    // The window's alpha out of 255, for a translucent window.
    std::optional<std::int16_t> alpha;
    // A refused file is not read: the picker reports it and ends.
    std::optional<LayoutRefusal> refusal;

    const ControlLayout& Control(Form1Control control) const noexcept { return controls[IndexOf(control)]; }
    // Every control but an optional one that no line placed.
    bool Shows(Form1Control control) const noexcept { return !IsOptional(control) || Control(control).placedBy != 0; }
};

std::optional<LayoutRefusal> RefuseLayoutFile(std::uint64_t fileBytes) noexcept;

// The one reading of a layout file, fed as it comes: whole lines, or chunks cut anywhere. Every value is taken on its
// own by every control of its key: one that cannot be used, or a place whose pixels overflow at the scale, is skipped
// for that control (or the loupe) only, and the rest of the line still applies.
class SkinLayoutReader {
public:
    SkinLayoutReader(const LayoutContext& context, std::uint64_t fileBytes);

    bool Refused() const noexcept { return layout_.refusal.has_value(); }

    // Takes one line and returns the assignments of it that took effect somewhere; valid until the next call.
    std::span<const LayoutAssignment> TakeLine(std::string_view line);
    void Feed(std::string_view chunk);
    // Takes a last line that has no line end, and gives the result.
    SkinLayout Finish();

private:
    bool Take(const LayoutAssignment& assignment);
    // A place whose pixels overflow at the scale is refused, and the previous one stays.
    bool TakePlace(TwipsRect& place, PixelRect& pixels, std::int64_t& placedBy, const LayoutAssignment& assignment);

    LayoutContext context_;
    SkinLayout layout_;
    LoupeLayout loupe_;
    bool loupePlaced_ = false;
    HistoryLayout history_;
    LayoutLineSplitter lines_;
    std::int64_t lineNumber_ = 0;
    std::vector<LayoutAssignment> read_;
    std::vector<LayoutAssignment> taken_;
};

// The whole file at once.
SkinLayout ReadSkinLayout(std::string_view bytes, const LayoutContext& context);

}  // namespace pixlin
