#include "core/colour/colour_history.h"

#include <algorithm>
#include <cstdint>

namespace pixlin {
namespace {

// Whether a colour is in a list, adding it when not. The lists are a few dozen colours long, a palette at most a few
// thousand: a plain search does.
bool Seen(std::vector<Rgb>& seen, Rgb colour) {
    if (std::find(seen.begin(), seen.end(), colour) != seen.end()) {
        return true;
    }
    seen.push_back(colour);
    return false;
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
    latest_ = entry;
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
    std::vector<HistoryEntry> unique;
    std::vector<Rgb> seen;
    for (const HistoryEntry& entry : entries_) {
        if (!Seen(seen, entry.colour)) {
            unique.push_back(entry);
        }
    }
    entries_.clear();
    pinned_ = 0;
    for (const bool pinned : {true, false}) {
        for (HistoryEntry entry : unique) {
            if (entry.pinned != pinned) {
                continue;
            }
            // The pins beyond the limit come right after the others, as the most recent unpinned entries.
            entry.pinned = pinned && pinned_ < MaxPins();
            pinned_ += entry.pinned ? 1 : 0;
            entries_.push_back(entry);
        }
    }
    if (entries_.size() > capacity_) {
        entries_.resize(capacity_);
    }
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
    std::vector<Rgb> seen;
    for (const Rgb colour : colours) {
        if (Find(colour) != entries_.end() || Seen(seen, colour)) {
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
