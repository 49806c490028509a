#pragma once

#include "core/design/display_scale.h"
#include "win32/win_handles.h"

namespace pixlin {

class Form1;
class PictureBox;

// Fits the window to the skin bitmap in the picture box: its size, its surface and its shape. Every pixel of the
// bitmap's top-left colour is cut out of the window. Hides the window while it works and shows it at the end.
void ApplySkin(Form1& form, PictureBox& picture);

// The window region of the picture box's persistent image: the union of the one-pixel-high runs of pixels that
// differ from the colour at (0, 0), enlarged nearest-neighbour to the display scale, in window coordinates; above
// kMaxShapeRuns runs, each row filled from its first to its last such pixel. Throws when the system cannot make the
// region.
Region RegionFromBitmap(const PictureBox& picture, const DisplayScale& display = DisplayScale());

}  // namespace pixlin
