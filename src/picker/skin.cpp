#include "picker/skin.h"

#include <cstdint>
#include <vector>

#include "core/base/run_error.h"
#include "core/design/twips.h"
#include "core/picture/region_runs.h"
#include "picker/form1.h"
#include "picker/handler_guard.h"
#include "picker/picture_box.h"
#include "win32/dc_pixel_rows.h"
#include "win32/window_region.h"

namespace pixlin {

void ApplySkin(Form1& form, PictureBox& picture) {
    ShowWindow(form.hwnd(), SW_HIDE);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));

    // Without a frame and with auto-size the box is exactly as large as its picture, and the persistent image is
    // what the scan reads, since the hidden box is never drawn.
    picture.SetVisible(false);
    picture.SetLeft(0.0f);
    picture.SetTop(0.0f);
    picture.SetBorderStyle(kBorderStyleNone);
    picture.SetAutoRedraw(true);
    picture.SetAutoSize(true);

    form.SetWidth(picture.Width());
    form.SetHeight(picture.Height());
    // Nothing draws into a skin picture once it is loaded, so the window shares the box's instead of copying it.
    form.SetPicture(picture.Picture());

    Region region = RegionFromBitmap(picture, form.Display());
    // Refused, the window keeps its plain shape and still shows: a picker without its cut-out beats none.
    SetWindowRegion(form.hwnd(), region, true);

    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    ShowWindow(form.hwnd(), SW_SHOW);
}

Region RegionFromBitmap(const PictureBox& picture, const DisplayScale& display) {
    const LayoutScale& scale = picture.Scale();
    const int32_t height = TwipsToPixels(picture.Height(), scale.twipsPerPixelY);
    const int32_t width = TwipsToPixels(picture.Width(), scale.twipsPerPixelX);

    // CLR_INVALID, for a pixel that cannot be read, compares like any other colour.
    const PictureImage image = picture.Image();
    DcPixelRows pixels(image.dc(), width);
    const std::vector<RunRect> runs =
        ScanShape(width, height, [&pixels](int32_t x, int32_t y) { return pixels.At(x, y); });
    Region region = RegionFromRuns(display.IsStandard() ? runs : ScaleRuns(runs, display));
    if (!region) {
        ThrowOutOfResources();
    }
    return region;
}

}  // namespace pixlin
