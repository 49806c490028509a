#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "core/skin/form1_design.h"
#include "win32/win_handles.h"

namespace pixlin {

inline constexpr int32_t kBorderStyleNone = 0;
inline constexpr int32_t kBorderStyleFixedSingle = 1;

// A loaded picture is never drawn into: whoever shows it shares it instead of keeping a copy.
using SharedBitmap = std::shared_ptr<const Bitmap>;

// A windowless picture box drawn on its form. It holds a picture and keeps an image of it in a memory device
// context of its own; with its persistent image switched on, that image is its device context, readable although
// the box is not shown. Auto-size makes the box take its picture's size plus its border. At design time it is
// visible, framed, and neither persistent nor auto-sized.
class PictureBox {
public:
    PictureBox(TwipsRect place, const LayoutScale& scale, SharedBitmap picture);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    void SetPicture(SharedBitmap picture);
    const SharedBitmap& Picture() const noexcept { return picture_; }

    // The device context of the persistent image; null while the box keeps none.
    HDC hDC() const noexcept { return autoRedraw_ ? imageDc_.get() : nullptr; }

    COLORREF BackColor() const noexcept { return backColor_; }
    void SetBackColor(COLORREF colour) noexcept { backColor_ = colour; }

    void SetVisible(bool visible) noexcept { visible_ = visible; }
    void SetBorderStyle(int32_t style);
    void SetAutoRedraw(bool on) noexcept { autoRedraw_ = on; }
    void SetAutoSize(bool on);

    float Width() const noexcept { return place_.width; }
    float Height() const noexcept { return place_.height; }
    void SetLeft(float twips) noexcept { place_.left = twips; }
    void SetTop(float twips) noexcept { place_.top = twips; }

    // The twips-per-pixel factors the box converts its place with.
    const LayoutScale& Scale() const noexcept { return scale_; }

    // Draws the box at its place, if it is visible.
    void Paint(HDC dc) const;

private:
    HBITMAP PictureHandle() const noexcept { return picture_ ? picture_->get() : nullptr; }
    int32_t BorderPixels() const noexcept;
    void FitToPicture();
    void RedrawImage();

    LayoutScale scale_;
    TwipsRect place_;
    SharedBitmap picture_;
    COLORREF backColor_;
    bool visible_ = true;
    int32_t borderStyle_ = kBorderStyleFixedSingle;
    bool autoRedraw_ = false;
    bool autoSize_ = false;
    MemoryDc imageDc_;
    Bitmap image_;
    std::optional<SelectedObject> selectedImage_;
};

// The size of a bitmap in pixels; 0 by 0 for none.
SIZE BitmapSize(HBITMAP bitmap) noexcept;

}  // namespace pixlin
