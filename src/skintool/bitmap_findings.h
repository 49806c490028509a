#pragma once

#include <cstdint>

#include "skintool/finding.h"
#include "skintool/skin_picture.h"

namespace pixlin::skintool {

// Each channel this close to the key colour looks like it but is not cut out.
inline constexpr int kNearKeyDistance = 24;

// A screen smaller than this shows the window only in part.
inline constexpr std::int32_t kCommonScreenWidth = 1920;
inline constexpr std::int32_t kCommonScreenHeight = 1080;

struct NearKeyCount {
    std::uint64_t total = 0;
    // Those next to a cut-out pixel, where they fringe the outline.
    std::uint64_t onOutline = 0;
};

NearKeyCount CountNearKey(const SkinPicture& picture);

// What the picker does with the skin bitmap: its shape, its limits and the traps of its format.
Findings BitmapFindings(const SkinPicture& picture);

}  // namespace pixlin::skintool
