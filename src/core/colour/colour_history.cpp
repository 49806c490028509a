#include "core/colour/colour_history.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace pixlin {
namespace {

std::uint32_t Key(Rgb colour) noexcept {
    return static_cast<std::uint32_t>(colour.r) << 16 | static_cast<std::uint32_t>(colour.g) << 8 | colour.b;
}

}  // namespace

ColourHistory::ColourHistory(std::size_t capacity) : capacity_(capacity) {
    entries_.reserve(capacity_);
}

std::vector<HistoryEntry>::iterator ColourHistory::Find(Rgb colour) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [colour](const HistoryEntry& kept) { return kept.colour == colour; });
}

void ColourHistory::Add(const HistoryEntry& entry) {
    latest_ = entry.colour;
    if (capacity_ == 0) {
        return;
    }
    const auto same = Find(entry.colour);
    if (same != entries_.end()) {
        if (same->pinned) {
            return;
        }
        entries_.erase(same);
    } else if (entries_.size() == capacity_) {
        // Pins leave at least one place, so the last entry is an unpinned one.
        entries_.pop_back();
    }
    HistoryEntry copied = entry;
    copied.pinned = false;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinned_), copied);
}

void ColourHistory::SetCapacity(std::size_t capacity) {
    capacity_ = capacity;
    Arrange();
}

void ColourHistory::Restore(std::span<const HistoryEntry> entries) {
    entries_.assign(entries.begin(), entries.end());
    Arrange();
}

void ColourHistory::Arrange() {
    std::vector<HistoryEntry> arranged;
    std::set<std::uint32_t> seen;
    for (const HistoryEntry& entry : entries_) {
        if (seen.insert(Key(entry.colour)).second) {
            arranged.push_back(entry);
        }
    }
    const auto firstUnpinned =
        std::stable_partition(arranged.begin(), arranged.end(), [](const HistoryEntry& entry) { return entry.pinned; });
    const auto pins = static_cast<std::size_t>(firstUnpinned - arranged.begin());
    pinned_ = std::min(pins, MaxPins());
    for (std::size_t i = pinned_; i < pins; ++i) {
        arranged[i].pinned = false;
    }
    if (arranged.size() > capacity_) {
        arranged.resize(capacity_);
    }
    entries_ = std::move(arranged);
}

bool ColourHistory::CanPin() const noexcept {
    return pinned_ < MaxPins();
}

bool ColourHistory::Pin(std::size_t index) {
    if (index >= entries_.size() || entries_[index].pinned || !CanPin()) {
        return false;
    }
    HistoryEntry entry = entries_[index];
    entry.pinned = true;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinned_), entry);
    ++pinned_;
    return true;
}

bool ColourHistory::Unpin(std::size_t index) {
    if (index >= pinned_) {
        return false;
    }
    HistoryEntry entry = entries_[index];
    entry.pinned = false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    --pinned_;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinned_), entry);
    return true;
}

bool ColourHistory::Remove(std::size_t index) {
    if (index >= entries_.size()) {
        return false;
    }
    if (index < pinned_) {
        --pinned_;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

HistoryImport ColourHistory::Import(std::span<const Rgb> colours) {
    HistoryImport result;
    const std::size_t room = capacity_ - pinned_;
    std::vector<HistoryEntry> fresh;
    std::set<std::uint32_t> seen;
    for (const Rgb colour : colours) {
        if (Find(colour) != entries_.end() || !seen.insert(Key(colour)).second) {
            ++result.alreadyThere;
        } else if (fresh.size() == room) {
            ++result.leftOut;
        } else {
            fresh.push_back(HistoryEntry{colour, Point{0, 0}});
        }
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pinned_), fresh.begin(), fresh.end());
    if (entries_.size() > capacity_) {
        entries_.resize(capacity_);
    }
    result.added = fresh.size();
    return result;
}

}  // namespace pixlin
