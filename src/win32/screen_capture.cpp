#include "win32/screen_capture.h"

#include <algorithm>
#include <cstddef>

#include "win32/dib_section.h"

namespace pixlin {

namespace {

// Far more than any loupe needs; a larger request is refused rather than allocated.
constexpr int64_t kMaxPixels = int64_t{4096} * 4096;

PixelRect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// A screen DC's clip box is the virtual screen. The DC knows it at no cost, while under Wine each of the four system
// metrics costs more than the capture itself (measured: about 70 us of CPU each), and the loupe captures every tick.
PixelRect ScreenBounds(HDC screen) {
    RECT box{};
    if (GetClipBox(screen, &box) == ERROR) {
        return VirtualScreen();
    }
    return {box.left, box.top, box.right, box.bottom};
}

}  // namespace

bool ScreenCapture::Capture(const PixelRect& area) {
    const WindowDc screen(nullptr);
    return Capture(screen.get(), area);
}

bool ScreenCapture::Capture(HDC screen, const PixelRect& area) {
    return CaptureFrom(screen, ScreenBounds(screen), area);
}

bool ScreenCapture::CaptureFrom(HDC source, const PixelRect& bounds, const PixelRect& area) {
    area_ = area;
    valid_ = {};
    const int64_t width = int64_t{area.right} - area.left;
    const int64_t height = int64_t{area.bottom} - area.top;
    if (width <= 0 || height <= 0 || width * height > kMaxPixels ||
        !Reserve(static_cast<int32_t>(width), static_cast<int32_t>(height))) {
        return false;
    }
    const PixelRect readable{std::max(area.left, bounds.left), std::max(area.top, bounds.top),
                             std::min(area.right, bounds.right), std::min(area.bottom, bounds.bottom)};
    if (readable.left >= readable.right || readable.top >= readable.bottom) {
        return true;
    }
    const bool copied =
        BitBlt(dc_.get(), readable.left - area.left, readable.top - area.top, readable.right - readable.left,
               readable.bottom - readable.top, source, readable.left, readable.top, SRCCOPY) != FALSE;
    // The DIB's memory is read directly: GDI must have finished writing it.
    GdiFlush();
    if (copied) {
        valid_ = readable;
    }
    return copied;
}

ScreenPixels ScreenCapture::Pixels() const noexcept {
    if (bits_ == nullptr) {
        return {area_, {}, {}};
    }
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    return {area_, valid_, {bits_, count}};
}

bool ScreenCapture::Reserve(int32_t width, int32_t height) {
    if (bits_ != nullptr && width == width_ && height == height_) {
        return true;
    }
    if (!dc_.get()) {
        dc_ = MemoryDc(CreateCompatibleDC(nullptr));
    }
    // The old DIB leaves the DC before it goes.
    selected_.reset();
    void* bits = nullptr;
    Bitmap bitmap = CreateTopDownBitmap(static_cast<UINT>(width), static_cast<UINT>(height), &bits);
    if (!bitmap || dc_.get() == nullptr) {
        bitmap_.reset();
        bits_ = nullptr;
        width_ = 0;
        height_ = 0;
        return false;
    }
    bitmap_ = std::move(bitmap);
    selected_.emplace(dc_.get(), bitmap_.get());
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

}  // namespace pixlin
