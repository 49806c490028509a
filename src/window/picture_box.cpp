#include "window/picture_box.h"

#include <algorithm>
#include <cstdlib>

#include "window/twips.h"

namespace pixlin {

SIZE BitmapSize(HBITMAP bitmap) noexcept {
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0) {
        return {0, 0};
    }
    return {description.bmWidth, std::abs(description.bmHeight)};
}

PictureBox::PictureBox(TwipsRect place, const LayoutScale& scale, Bitmap picture)
    : scale_(scale), place_(place), backColor_(GetSysColor(COLOR_BTNFACE)) {
    SetPicture(std::move(picture));
}

void PictureBox::SetPicture(Bitmap picture) {
    picture_ = std::move(picture);
    if (picture_) {
        const SIZE size = BitmapSize(picture_.get());
        place_.width = PixelsToTwips(size.cx, scale_.twipsPerPixelX);
        place_.height = PixelsToTwips(size.cy, scale_.twipsPerPixelY);
    }
    RedrawImage();
}

void PictureBox::RedrawImage() {
    // The image always has at least one pixel: the sampling fallback copies into its corner.
    const int32_t width = std::max(1, TwipsToPixels(place_.width, scale_.twipsPerPixelX));
    const int32_t height = std::max(1, TwipsToPixels(place_.height, scale_.twipsPerPixelY));

    selectedImage_.reset();
    const WindowDc screen(nullptr);
    if (!imageDc_.get()) {
        imageDc_ = MemoryDc(screen.get());
    }
    image_ = Bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    selectedImage_.emplace(imageDc_.get(), image_.get());

    const Brush background(CreateSolidBrush(backColor_));
    const RECT all{0, 0, width, height};
    FillRect(imageDc_.get(), &all, background.get());
    if (picture_) {
        const MemoryDc source(imageDc_.get());
        const SelectedObject selected(source.get(), picture_.get());
        BitBlt(imageDc_.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace pixlin
