#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/base/point.h"
#include "core/colour/rgb.h"

namespace pixlin {

// A copied colour and the screen pixel it was picked at, so that bringing it back can show where it came from. A
// pinned entry stays in the history whatever is copied after it. On a display with a colour profile the copied colour
// (sRGB) is not the pixel on the screen: `displayed` keeps that pixel, which the swatches show. It is none where the
// two are the same, and for colours that come from elsewhere (a palette, a kept file): they show their colour.
struct HistoryEntry {
    Rgb colour;
    Point pickedAt;
    bool pinned = false;
    std::optional<Rgb> displayed = std::nullopt;

    Rgb Displayed() const noexcept { return displayed.value_or(colour); }

    bool operator==(const HistoryEntry&) const = default;
};

// What an import did with the colours it was given.
struct HistoryImport {
    std::size_t added = 0;
    std::size_t alreadyThere = 0;  // in the history already, or earlier in the same list; left where they were
    std::size_t leftOut = 0;       // new, but beyond the room the pins leave
};

// The colours copied last: the pinned ones first, in the order they were pinned, then the others, the most recent
// first. Each colour is there once. A colour copied again moves to the front of the unpinned ones; a pinned one keeps
// its place. Beyond the capacity the oldest unpinned entry drops off; at most capacity - 1 entries are pinned, so a
// new copy always finds a place.
class ColourHistory {
public:
    explicit ColourHistory(std::size_t capacity);

    void Add(const HistoryEntry& entry);
    // Fewer places keep the pins first and then the most recent unpinned entries. Pins beyond capacity - 1 (the last
    // pinned first) lose their pin and become the most recent unpinned entries, so that nothing that still fits is
    // dropped for the sake of a pin.
    void SetCapacity(std::size_t capacity);
    // Replaces the entries by kept ones, given in the order Entries() had: arranged and cut as SetCapacity does, a
    // repeated colour kept at its first place. The colour copied last is not changed.
    void Restore(std::span<const HistoryEntry> entries);

    // Each false, and nothing changed, for an index beyond the entries or an entry already in that state; Pin also
    // while !CanPin(). A pinned entry goes right of the pins before it; an unpinned one becomes the most recent.
    bool Pin(std::size_t index);
    bool Unpin(std::size_t index);
    bool Remove(std::size_t index);
    bool CanPin() const noexcept;

    // Puts colours from a palette in front of the unpinned entries, in the list's order, as many new ones as the pins
    // leave room for; older unpinned entries make way. They have no place they were picked at: (0, 0).
    HistoryImport Import(std::span<const Rgb> colours);

    std::span<const HistoryEntry> Entries() const noexcept { return entries_; }
    std::size_t PinnedCount() const noexcept { return pinned_; }
    // The colour copied last, whether or not its entry has since been pinned, moved or removed; and that copy's entry.
    std::optional<Rgb> Latest() const noexcept { return latest_ ? std::optional(latest_->colour) : std::nullopt; }
    const std::optional<HistoryEntry>& LatestEntry() const noexcept { return latest_; }

private:
    std::vector<HistoryEntry>::iterator Find(Rgb colour);
    std::size_t MaxPins() const noexcept { return capacity_ == 0 ? 0 : capacity_ - 1; }
    void Arrange();

    std::size_t capacity_;
    std::vector<HistoryEntry> entries_;
    std::size_t pinned_ = 0;
    std::optional<HistoryEntry> latest_;
};

}  // namespace pixlin
