#pragma once

#include <utility>

#include "core/base/run_error.h"

namespace pixlin {

// Start-up from the skin bitmap on, and each assignment of the skin layout file, stand alone: a step that fails with
// a run-time error is abandoned at the point of failure, nothing is shown, and the next one runs. Anything else (the
// program out of memory, a fault of its own) goes on to the handler's guard, which reports it.
template <typename Step>
void SkipOnFailure(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const RunError&) {
    }
}

}  // namespace pixlin
