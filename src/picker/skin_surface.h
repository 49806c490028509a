#pragma once

#include <windows.h>

#include "core/design/display_scale.h"
#include "win32/win_handles.h"

namespace pixlin {

// The skin bitmap enlarged to the display scale with a smooth filter, made once per scale and drawn on every paint.
// Key-coloured pixels take their opaque neighbours' colours first, so no blend of the key colour shows inside the
// shape. An empty Bitmap at 96 dpi (the skin is drawn as it is) and when the system cannot make it.
Bitmap ScaledSkinSurface(HBITMAP skin, const DisplayScale& scale);

}  // namespace pixlin
