#include "picker/form1_history.h"

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
void Form1History::Add(HWND window, const HistoryEntry& entry) {
    colours_.Add(entry);
    if (box_) {
        const RECT area{box_->left, box_->top, box_->right, box_->bottom};
        InvalidateRect(window, &area, FALSE);
    }
}

bool Form1History::Contains(std::int32_t x, std::int32_t y) const noexcept {
    return box_ && HistorySwatchAt(*box_, count_, x, y).has_value();
}

std::optional<HistoryEntry> Form1History::EntryAt(std::int32_t x, std::int32_t y) const noexcept {
    if (!box_) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> index = HistorySwatchAt(*box_, count_, x, y);
    const std::span<const HistoryEntry> entries = colours_.Entries();
    if (!index || static_cast<std::size_t>(*index) >= entries.size()) {
        return std::nullopt;
    }
    return entries[static_cast<std::size_t>(*index)];
}

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
    }
}

}  // namespace pixlin
