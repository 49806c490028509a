#pragma once

#include <span>

#include "core/picture/region_runs.h"
#include "win32/win_handles.h"

namespace pixlin {

// The union of the runs as one region, made in one call. An empty list gives an empty region; an empty Region
// (no handle) means the system could not make it.
Region RegionFromRuns(std::span<const RunRect> runs);

// Gives the region to the window, which owns it from then on. False when the system refused it: the region is then
// still the caller's, and deleted with it.
bool SetWindowRegion(HWND window, Region& region, bool redraw) noexcept;

}  // namespace pixlin
