#include "win32/window_region.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace pixlin {

bool SetWindowRegion(HWND window, Region& region, bool redraw) noexcept {
    if (SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE) == 0) {
        return false;
    }
    static_cast<void>(region.release());
    return true;
}

Region RegionFromRuns(std::span<const RunRect> runs) {
    if (runs.empty()) {
        return Region(CreateRectRgn(0, 0, 0, 0));
    }
    constexpr std::size_t kHeaderBytes = sizeof(RGNDATAHEADER);
    constexpr std::size_t kMaxRuns = (std::numeric_limits<DWORD>::max() - kHeaderBytes) / sizeof(RECT);
    if (runs.size() > kMaxRuns) {
        return Region();
    }
    const std::size_t rectBytes = runs.size() * sizeof(RECT);
    // RECTs in a buffer of RECTs keep their alignment behind the header, which is a whole number of RECTs long.
    static_assert(kHeaderBytes % sizeof(RECT) == 0);
    std::vector<RECT> buffer(kHeaderBytes / sizeof(RECT) + runs.size());
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    RECT bounds{runs.front().left, runs.front().top, runs.front().right, runs.front().bottom};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunRect& run = runs[i];
        rects[i] = RECT{run.left, run.top, run.right, run.bottom};
        bounds.left = std::min<LONG>(bounds.left, run.left);
        bounds.top = std::min<LONG>(bounds.top, run.top);
        bounds.right = std::max<LONG>(bounds.right, run.right);
        bounds.bottom = std::max<LONG>(bounds.bottom, run.bottom);
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rectBytes);
    data->rdh.rcBound = bounds;
    return Region(ExtCreateRegion(nullptr, static_cast<DWORD>(kHeaderBytes + rectBytes), data));
}

}  // namespace pixlin
