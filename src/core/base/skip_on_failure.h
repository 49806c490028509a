#pragma once

#include <utility>

namespace pixlin {

// Start-up from the skin bitmap on, and each assignment of the skin layout file, stand alone: a step that fails is
// abandoned at the point of failure, nothing is shown, and the next one runs.
template <typename Step>
void SkipOnFailure(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

}  // namespace pixlin
