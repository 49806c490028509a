#include "picker/form1_history.h"

#include <algorithm>
#include <vector>

#include "core/colour/contrast.h"
#include "core/design/history_swatches.h"
#include "win32/win_handles.h"

namespace pixlin {

void Form1History::Place(const HistoryLayout& layout) {
    place_ = layout.place;
    box_ = layout.box;
    count_ = layout.count;
    colours_.SetCapacity(static_cast<std::size_t>(count_));
}

std::optional<PixelRect> Form1History::PixelsAt(const DisplayScale& scale) const {
    return place_ ? std::optional(ToPixels(*place_, scale)) : std::nullopt;
}

// Only the box is drawn again: at a copy the rest of the window stays as it was.
void Form1History::Changed(HWND window, bool changed) {
    if (!changed) {
        return;
    }
    if (box_) {
        const RECT area{box_->left, box_->top, box_->right, box_->bottom};
        InvalidateRect(window, &area, FALSE);
    }
    if (changed_) {
        changed_();
    }
}

void Form1History::Add(HWND window, const HistoryEntry& entry) {
    colours_.Add(entry);
    Changed(window, true);
}

bool Form1History::Pin(HWND window, std::size_t index) {
    const bool pinned = colours_.Pin(index);
    Changed(window, pinned);
    return pinned;
}

bool Form1History::Unpin(HWND window, std::size_t index) {
    const bool unpinned = colours_.Unpin(index);
    Changed(window, unpinned);
    return unpinned;
}

bool Form1History::Remove(HWND window, std::size_t index) {
    const bool removed = colours_.Remove(index);
    Changed(window, removed);
    return removed;
}

HistoryImport Form1History::Import(HWND window, std::span<const Rgb> colours) {
    const HistoryImport imported = colours_.Import(colours);
    Changed(window, imported.added > 0);
    return imported;
}

// Restore arranges the pins; the new one goes right of those there, as Pin puts it.
bool Form1History::PinNew(HWND window, const HistoryEntry& entry) {
    if (!colours_.CanPin() || IndexOf(entry.colour)) {
        return false;
    }
    std::vector<HistoryEntry> entries(colours_.Entries().begin(), colours_.Entries().end());
    HistoryEntry pinned = entry;
    pinned.pinned = true;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(colours_.PinnedCount()), pinned);
    colours_.Restore(entries);
    Changed(window, true);
    return true;
}

void Form1History::Restore(HWND window, std::span<const HistoryEntry> entries) {
    colours_.Restore(entries);
    if (box_) {
        const RECT area{box_->left, box_->top, box_->right, box_->bottom};
        InvalidateRect(window, &area, FALSE);
    }
}

std::optional<std::size_t> Form1History::IndexOf(Rgb colour) const noexcept {
    const std::span<const HistoryEntry> entries = colours_.Entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [colour](const HistoryEntry& entry) { return entry.colour == colour; });
    return found == entries.end() ? std::nullopt : std::optional(static_cast<std::size_t>(found - entries.begin()));
}

std::optional<std::size_t> Form1History::IndexAt(std::int32_t x, std::int32_t y) const noexcept {
    if (!box_) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> index = HistorySwatchAt(*box_, count_, x, y);
    if (!index || static_cast<std::size_t>(*index) >= colours_.Entries().size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*index);
}

bool Form1History::Contains(std::int32_t x, std::int32_t y) const noexcept {
    return box_ && HistorySwatchAt(*box_, count_, x, y).has_value();
}

std::optional<HistoryEntry> Form1History::EntryAt(std::int32_t x, std::int32_t y) const noexcept {
    const std::optional<std::size_t> index = IndexAt(x, y);
    return index ? std::optional(colours_.Entries()[*index]) : std::nullopt;
}

namespace {

// A triangle in the swatch's top-left corner, black on a light colour and white on a dark one.
void PaintPinMark(HDC dc, const PixelRect& swatch, Rgb colour) {
    const std::int32_t side = PinMarkSide(swatch);
    if (side == 0) {
        return;
    }
    const bool light = ContrastHundredths(colour, Rgb{0, 0, 0}) >= ContrastHundredths(colour, Rgb{255, 255, 255});
    const COLORREF ink = light ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const Brush brush(CreateSolidBrush(ink));
    // One pixel row at a time: the same pixels at every scale and on every system, without a polygon's edge rules.
    for (std::int32_t row = 0; row < side; ++row) {
        const RECT line{swatch.left, swatch.top + row, swatch.left + side - row, swatch.top + row + 1};
        FillRect(dc, &line, brush.get());
    }
}

}  // namespace

void Form1History::Paint(HDC dc) const {
    if (!box_) {
        return;
    }
    const std::span<const HistoryEntry> entries = colours_.Entries();
    for (std::size_t i = 0; i < entries.size() && i < static_cast<std::size_t>(count_); ++i) {
        const PixelRect swatch = HistorySwatch(*box_, count_, static_cast<std::int32_t>(i));
        const RECT area{swatch.left, swatch.top, swatch.right, swatch.bottom};
        // The display's own pixel, as the swatch showed it when the colour was copied.
        const Rgb colour = entries[i].Displayed();
        const Brush fill(CreateSolidBrush(RGB(colour.r, colour.g, colour.b)));
        FillRect(dc, &area, fill.get());
        if (entries[i].pinned) {
            PaintPinMark(dc, swatch, colour);
        }
    }
}

}  // namespace pixlin
