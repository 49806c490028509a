#include "picker/form1.h"

#include "core/base/skip_on_failure.h"
#include "picker/skin.h"
#include "picker/skin_surface.h"
#include "win32/window_region.h"

namespace pixlin {

// A place that fits at one scale can overflow at a larger one: everything that can fail at the new scale is worked
// out before anything changes, and a scale that cannot be applied leaves the window as it was.
void Form1::OnDpiChanged(int32_t dpi, const RECT& suggested) {
    if (loadingLayout_) {
        deferredDpiChange_ = DpiChange{dpi, suggested};
        return;
    }
    const DisplayScale scale(dpi);
    ControlPixels pixels;
    Region region;
    try {
        pixels = PixelsAt(scale);
        // Only a window the skin has shaped is reshaped: the shape is read from the picture box's persistent image.
        const Region current(CreateRectRgn(0, 0, 0, 0));
        if (picture1_ && picture1_->KeepsImage() && GetWindowRgn(hwnd_, current.get()) != ERROR) {
            region = RegionFromBitmap(*picture1_, scale);
        }
    } catch (const RunError&) {
        return;
    }
    Bitmap surface = ScaledSkinSurface(picture_ ? picture_->get() : nullptr, scale);

    scale_ = scale;
    panel_.CreateFonts(scale_);
    MoveControls(pixels);
    surface_ = std::move(surface);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The loupe's grid follows the new place of its box and the new size of the window.
    SkipOnFailure([this] { ArrangeLoupe(); });
    if (region) {
        SetWindowRegion(hwnd_, region, true);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace pixlin
