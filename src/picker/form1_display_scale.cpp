#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "picker/skin.h"
#include "picker/skin_surface.h"
#include "win32/window_region.h"

namespace pixlin {

void Form1::OnDpiChanged(int32_t dpi, const RECT& suggested) {
    scale_ = DisplayScale(dpi);
    CreateFonts();
    PlaceControlsInPixels();
    surface_ = ScaledSkinSurface(picture_ ? picture_->get() : nullptr, scale_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The loupe's grid follows the new place of its box and the new size of the window.
    SkipOnFailure([this] { ArrangeLoupe(); });
    // Only a window the skin has shaped is reshaped: the shape is read from the picture box's persistent image.
    const Region current(CreateRectRgn(0, 0, 0, 0));
    if (picture1_ && picture1_->KeepsImage() && GetWindowRgn(hwnd_, current.get()) != ERROR) {
        Region region = RegionFromBitmap(*picture1_, scale_);
        SetWindowRegion(hwnd_, region, true);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace pixlin
