#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/base/point.h"
#include "core/colour/rgb.h"

namespace pixlin {

// A copied colour and the screen pixel it was picked at, so that bringing it back can show where it came from.
struct HistoryEntry {
    Rgb colour;
    Point pickedAt;

    bool operator==(const HistoryEntry&) const = default;
};

// The colours copied last, the most recent first. A colour copied again moves to the front instead of taking a second
// place; beyond the capacity the oldest drops off. Memory only: nothing of it is ever written anywhere.
class ColourHistory {
public:
    explicit ColourHistory(std::size_t capacity);

    void Add(const HistoryEntry& entry);
    // Keeps the most recent entries that fit.
    void SetCapacity(std::size_t capacity);

    std::span<const HistoryEntry> Entries() const noexcept { return entries_; }
    std::optional<Rgb> Latest() const noexcept;

private:
    std::size_t capacity_;
    std::vector<HistoryEntry> entries_;
};

}  // namespace pixlin
