#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
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
    bool CanPin() const noexcept { return colours_.CanPin(); }

    // Told after every change the user makes (a copy, a pin, a removal, an import), not after Restore.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

    void Add(HWND window, const HistoryEntry& entry);
    // As ColourHistory's; each true when the history changed.
    bool Pin(HWND window, std::size_t index);
    bool Unpin(HWND window, std::size_t index);
    bool Remove(HWND window, std::size_t index);
    HistoryImport Import(HWND window, std::span<const Rgb> colours);
    // Pins a colour the history does not hold yet, right of the pins, without making it the colour copied last.
    bool PinNew(HWND window, const HistoryEntry& entry);
    // Puts kept entries in place of the ones there.
    void Restore(HWND window, std::span<const HistoryEntry> entries);

    // Where the history holds a colour, if it does.
    std::optional<std::size_t> IndexOf(Rgb colour) const noexcept;
    // The index of the filled swatch under a window point.
    std::optional<std::size_t> IndexAt(std::int32_t x, std::int32_t y) const noexcept;

    // Whether a window point lies on a swatch, filled or empty: the swatches take its presses.
    bool Contains(std::int32_t x, std::int32_t y) const noexcept;
    // The colour of the swatch under a window point; nothing beside the swatches or on an empty one.
    std::optional<HistoryEntry> EntryAt(std::int32_t x, std::int32_t y) const noexcept;

    // Fills the swatches that hold a colour into the window's paint buffer, each pinned one with its mark; the empty
    // ones show the skin.
    void Paint(HDC dc) const;

private:
    void Changed(HWND window, bool changed);

    std::optional<TwipsRect> place_;
    std::optional<PixelRect> box_;
    std::int32_t count_ = kDefaultHistoryCount;
    ColourHistory colours_;
    std::function<void()> changed_;
};

}  // namespace pixlin
