#include "picker/picture_box.h"

#include <algorithm>
#include <cstdlib>

#include "core/base/run_error.h"
#include "core/skin/twips.h"

namespace pixlin {
namespace {

constexpr int kInvalidPropertyValue = 380;

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) noexcept {
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0) {
        return {0, 0};
    }
    return {description.bmWidth, std::abs(description.bmHeight)};
}

PictureBox::PictureBox(TwipsRect place, const LayoutScale& scale, SharedBitmap picture)
    : scale_(scale), place_(place), backColor_(GetSysColor(COLOR_BTNFACE)) {
    SetPicture(std::move(picture));
}

void PictureBox::SetPicture(SharedBitmap picture) {
    picture_ = std::move(picture);
    FitToPicture();
    RedrawImage();
}

void PictureBox::SetBorderStyle(int32_t style) {
    if (style != kBorderStyleNone && style != kBorderStyleFixedSingle) {
        throw RunError(kInvalidPropertyValue, "Invalid property value");
    }
    borderStyle_ = style;
    FitToPicture();
    RedrawImage();
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToPicture();
    RedrawImage();
}

int32_t PictureBox::BorderPixels() const noexcept {
    return borderStyle_ == kBorderStyleFixedSingle ? 1 : 0;
}

// The frame is part of the box: a framed box is two pixels wider and taller than its picture.
void PictureBox::FitToPicture() {
    const HBITMAP picture = PictureHandle();
    if (!autoSize_ || picture == nullptr) {
        return;
    }
    const SIZE size = BitmapSize(picture);
    const int64_t frame = 2 * BorderPixels();
    place_.width = static_cast<float>(static_cast<double>(size.cx + frame) * scale_.twipsPerPixelX);
    place_.height = static_cast<float>(static_cast<double>(size.cy + frame) * scale_.twipsPerPixelY);
}

// The image covers the inside of the frame. Pixels beyond it cannot be read: GetPixel gives CLR_INVALID there.
void PictureBox::RedrawImage() {
    const int32_t frame = 2 * BorderPixels();
    const int32_t width = std::max(1, TwipsToPixels(place_.width, scale_.twipsPerPixelX) - frame);
    const int32_t height = std::max(1, TwipsToPixels(place_.height, scale_.twipsPerPixelY) - frame);

    // The old image goes before the new one comes, so that two never take memory at once.
    selectedImage_.reset();
    image_.reset();
    const WindowDc screen(nullptr);
    if (!imageDc_.get()) {
        imageDc_ = MemoryDc(CreateCompatibleDC(screen.get()));
    }
    image_ = Bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    selectedImage_.emplace(imageDc_.get(), image_.get());

    const Brush background(CreateSolidBrush(backColor_));
    const RECT all{0, 0, width, height};
    FillRect(imageDc_.get(), &all, background.get());
    if (const HBITMAP picture = PictureHandle()) {
        const MemoryDc source(CreateCompatibleDC(imageDc_.get()));
        const SelectedObject selected(source.get(), picture);
        BitBlt(imageDc_.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    }
}

void PictureBox::Paint(HDC dc) const {
    if (!visible_) {
        return;
    }
    const PixelRect box = ToPixels(place_, scale_);
    const int32_t border = BorderPixels();
    if (border > 0) {
        const RECT frame{box.left, box.top, box.right, box.bottom};
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    BitBlt(dc, box.left + border, box.top + border, box.right - box.left - 2 * border,
           box.bottom - box.top - 2 * border, imageDc_.get(), 0, 0, SRCCOPY);
}

}  // namespace pixlin
