#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "core/colour/colour_history.h"
#include "core/design/display_scale.h"
#include "core/layout/skin_layout.h"

namespace pixlin {

// The colours copied last, and the box of swatches a skin may show them in. Without a box the colours are kept all
// the same: the contrast readout measures against the latest.
class Form1History {
public:
    Form1History() : colours_(kDefaultHistoryCount) {}

    // The box (twips at 100 %), its pixels at the window's scale and the count the layout gives; the count is also the
    // number of colours kept.
    void Place(const HistoryLayout& layout);
    // The box's pixels at a scale, none without a box; throws the overflow error.
    std::optional<PixelRect> PixelsAt(const DisplayScale& scale) const;
    void Move(std::optional<PixelRect> box) noexcept { box_ = box; }

    std::optional<PixelRect> Box() const noexcept { return box_; }
    std::int32_t Count() const noexcept { return count_; }
    std::span<const HistoryEntry> Entries() const noexcept { return colours_.Entries(); }
    std::optional<Rgb> Latest() const noexcept { return colours_.Latest(); }
    const std::optional<HistoryEntry>& LatestEntry() const noexcept { return colours_.LatestEntry(); }

    void Add(HWND window, const HistoryEntry& entry);

    // Whether a window point lies on a swatch, filled or empty: the swatches take its presses.
    bool Contains(std::int32_t x, std::int32_t y) const noexcept;
    // The colour of the swatch under a window point; nothing beside the swatches or on an empty one.
    std::optional<HistoryEntry> EntryAt(std::int32_t x, std::int32_t y) const noexcept;

    // Fills the swatches that hold a colour into the window's paint buffer; the empty ones show the skin.
    void Paint(HDC dc) const;

private:
    std::optional<TwipsRect> place_;
    std::optional<PixelRect> box_;
    std::int32_t count_ = kDefaultHistoryCount;
    ColourHistory colours_;
};

}  // namespace pixlin
