#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/base/rect.h"
#include "core/design/twips.h"
#include "core/layout/layout_reader.h"
#include "core/picture/region_runs.h"

namespace pixlin {

// Layout pixels and design twips are lengths at 100 %: the skin author draws for a 96-dpi screen.
inline constexpr LayoutScale kUnscaledLayout{15.0f, 15.0f};

// The display scale of the monitor the window is on. Every length at 100 % becomes physical pixels here, by one
// rule: value × dpi / 96 (twips × dpi / 1440), rounded half to even, decided exactly. At 96 dpi that is the identity.
class DisplayScale {
public:
    // A resolution the system cannot really report (zero or negative) counts as 96 dpi.
    explicit DisplayScale(int32_t dpi = kStandardDpi) noexcept : dpi_(dpi > 0 ? dpi : kStandardDpi) {}

    int32_t Dpi() const noexcept { return dpi_; }
    bool IsStandard() const noexcept { return dpi_ == kStandardDpi; }

    // Physical pixels for a length in twips (100 % units) or in pixels at 100 %. Throws the overflow error beyond
    // 32 bits.
    int32_t Pixels(float twips) const;
    int32_t Pixels(int32_t pixelsAt100) const;

    // Twips for a length in physical pixels, held as single, for the window's twips properties.
    float Twips(int32_t pixels) const;

private:
    int32_t dpi_;
};

// Each edge and length converted on its own, as the window system places controls. Throws the overflow error for
// places beyond 32-bit pixels.
PixelRect ToPixels(const TwipsRect& place, const DisplayScale& scale);

// The shape runs of a bitmap at 100 %, enlarged nearest-neighbour: each run covers the physical pixels whose edges its
// own edges round to. The number of runs stays the same (a run may become several rows high); runs that shrink to
// nothing below 96 dpi are dropped.
std::vector<RunRect> ScaleRuns(std::span<const RunRect> runs, const DisplayScale& scale);

// Gives every key-coloured pixel next to an opaque one (left, right, up, down, then the diagonals, in that order)
// that neighbour's colour, in place. A smooth enlargement then blends opaque colours only at the edges of the cut-out,
// never the key colour.
void BleedIntoKey(std::span<uint32_t> pixels, int32_t width, int32_t height, uint32_t key);

}  // namespace pixlin
