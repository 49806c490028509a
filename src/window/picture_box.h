#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "window/form1_design.h"
#include "winsvc/win_handles.h"

namespace pixlin {

// A hidden picture box: it holds a picture, takes that picture's size, and keeps a persistent image of it in a
// memory device context of its own, which stays readable although the box is never shown.
class PictureBox {
public:
    PictureBox(TwipsRect place, const LayoutScale& scale, Bitmap picture);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    void SetPicture(Bitmap picture);
    HBITMAP Picture() const noexcept { return picture_.get(); }

    // The device context of the persistent image.
    HDC hDC() const noexcept { return imageDc_.get(); }

    COLORREF BackColor() const noexcept { return backColor_; }
    void SetBackColor(COLORREF colour) noexcept { backColor_ = colour; }

    float Width() const noexcept { return place_.width; }
    float Height() const noexcept { return place_.height; }

private:
    void RedrawImage();

    LayoutScale scale_;
    TwipsRect place_;
    Bitmap picture_;
    COLORREF backColor_;
    MemoryDc imageDc_;
    Bitmap image_;
    std::optional<SelectedObject> selectedImage_;
};

// The size of a bitmap in pixels; 0 by 0 for none.
SIZE BitmapSize(HBITMAP bitmap) noexcept;

}  // namespace pixlin
