#include "core/colour/colour_history.h"

#include <algorithm>

namespace pixlin {

ColourHistory::ColourHistory(std::size_t capacity) : capacity_(capacity) {
    entries_.reserve(capacity_);
}

void ColourHistory::Add(const HistoryEntry& entry) {
    if (capacity_ == 0) {
        return;
    }
    const auto same = std::find_if(entries_.begin(), entries_.end(),
                                   [&entry](const HistoryEntry& kept) { return kept.colour == entry.colour; });
    if (same != entries_.end()) {
        entries_.erase(same);
    } else if (entries_.size() == capacity_) {
        entries_.pop_back();
    }
    entries_.insert(entries_.begin(), entry);
}

void ColourHistory::SetCapacity(std::size_t capacity) {
    capacity_ = capacity;
    if (entries_.size() > capacity_) {
        entries_.resize(capacity_);
    }
}

std::optional<Rgb> ColourHistory::Latest() const noexcept {
    if (entries_.empty()) {
        return std::nullopt;
    }
    return entries_.front().colour;
}

}  // namespace pixlin
