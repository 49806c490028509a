#include "picker/picture_box.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/base/run_error.h"
#include "core/design/twips.h"

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
}

void PictureBox::SetBorderStyle(int32_t style) {
    if (style != kBorderStyleNone && style != kBorderStyleFixedSingle) {
        throw RunError(kInvalidPropertyValue, "Invalid property value");
    }
    borderStyle_ = style;
    FitToPicture();
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToPicture();
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

PictureImage::PictureImage(MemoryDc dc, HBITMAP shown, Bitmap own) noexcept : dc_(std::move(dc)), own_(std::move(own)) {
    if (dc_ && shown != nullptr) {
        previous_ = SelectObject(dc_.get(), shown);
    }
}

PictureImage::PictureImage(PictureImage&& other) noexcept
    : dc_(std::move(other.dc_)), own_(std::move(other.own_)), previous_(std::exchange(other.previous_, nullptr)) {}

PictureImage::~PictureImage() {
    if (previous_ != nullptr) {
        SelectObject(dc_.get(), previous_);
    }
}

SIZE PictureBox::ImageSize() const {
    const int32_t frame = 2 * BorderPixels();
    return {std::max(1, TwipsToPixels(place_.width, scale_.twipsPerPixelX) - frame),
            std::max(1, TwipsToPixels(place_.height, scale_.twipsPerPixelY) - frame)};
}

PictureImage PictureBox::Image() const {
    return autoRedraw_ ? MakeImage() : PictureImage();
}

// The image covers the inside of the frame. Pixels beyond it cannot be read: GetPixel gives CLR_INVALID there.
PictureImage PictureBox::MakeImage() const {
    const SIZE size = ImageSize();
    const WindowDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    const HBITMAP picture = PictureHandle();
    const SIZE pictureSize = BitmapSize(picture);
    if (picture != nullptr && pictureSize.cx == size.cx && pictureSize.cy == size.cy) {
        return PictureImage(std::move(dc), picture, Bitmap());
    }
    Bitmap copy(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    const HBITMAP shown = copy.get();
    PictureImage image(std::move(dc), shown, std::move(copy));
    const Brush background(CreateSolidBrush(backColor_));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(image.dc(), &all, background.get());
    if (picture != nullptr) {
        const MemoryDc source(CreateCompatibleDC(image.dc()));
        const SelectedObject selected(source.get(), picture);
        BitBlt(image.dc(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    }
    return image;
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
    const PictureImage image = MakeImage();
    BitBlt(dc, box.left + border, box.top + border, box.right - box.left - 2 * border,
           box.bottom - box.top - 2 * border, image.dc(), 0, 0, SRCCOPY);
}

}  // namespace pixlin
