#pragma once

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
SkinCheck CheckSkin(const SkinFiles& files);

}  // namespace pixlin::skintool
