#pragma once

#include "core/layout/skin_limits.h"
#include "skintool/control_places.h"
#include "skintool/finding.h"
#include "skintool/skin_files.h"
#include "skintool/skin_picture.h"

namespace pixlin::skintool {

struct SkinCheck {
    Findings findings;
    WindowLayout layout;
    SkinPicture picture;
};

// Everything the picker will do with the skin's files: the layout's lines first, then the places of the controls,
// the bitmap and the sound.
// `limits` are the picker's unless a caller (the fuzzer) keeps pictures smaller.
SkinCheck CheckSkin(const SkinFiles& files, const PictureLimits& limits = {});

}  // namespace pixlin::skintool
