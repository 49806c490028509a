#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "core/design/form1_design.h"
#include "win32/win_handles.h"

namespace pixlin {

inline constexpr int32_t kBorderStyleNone = 0;
inline constexpr int32_t kBorderStyleFixedSingle = 1;

// A loaded picture is never drawn into: whoever shows it shares it instead of keeping a copy.
using SharedBitmap = std::shared_ptr<const Bitmap>;

// The image a picture box shows, in a memory device context for one scope: the box's shared picture itself when it
// covers the image exactly (the skin's case), otherwise a copy on the box's background made for the scope. A null
// DC when the box keeps no persistent image.
class PictureImage {
public:
    PictureImage() = default;
    PictureImage(MemoryDc dc, HBITMAP shown, Bitmap own) noexcept;
    PictureImage(PictureImage&& other) noexcept;
    PictureImage& operator=(PictureImage&&) = delete;
    // The shown bitmap leaves the DC first; then an own copy is deleted, and the DC last.
    ~PictureImage();

    HDC dc() const noexcept { return dc_.get(); }

private:
    MemoryDc dc_;
    Bitmap own_;
    HGDIOBJ previous_ = nullptr;
};

// A windowless picture box drawn on its form. It holds a picture, shared with whoever else shows it; with its
// persistent image switched on, that image can be read as a device context although the box is not shown. Auto-size
// makes the box take its picture's size plus its border. At design time it is visible, framed, and neither
// persistent nor auto-sized. It keeps no copy of its picture: a skin is in memory once.
class PictureBox {
public:
    PictureBox(TwipsRect place, const LayoutScale& scale, SharedBitmap picture);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    void SetPicture(SharedBitmap picture);
    const SharedBitmap& Picture() const noexcept { return picture_; }

    bool KeepsImage() const noexcept { return autoRedraw_; }
    // The persistent image, readable while the result lives; its DC is null while the box keeps none.
    PictureImage Image() const;

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
    // The inside of the frame, in pixels.
    SIZE ImageSize() const;
    PictureImage MakeImage() const;

    LayoutScale scale_;
    TwipsRect place_;
    SharedBitmap picture_;
    COLORREF backColor_;
    bool visible_ = true;
    int32_t borderStyle_ = kBorderStyleFixedSingle;
    bool autoRedraw_ = false;
    bool autoSize_ = false;
};

// The size of a bitmap in pixels; 0 by 0 for none.
SIZE BitmapSize(HBITMAP bitmap) noexcept;

}  // namespace pixlin
