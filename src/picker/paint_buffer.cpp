#include "picker/paint_buffer.h"

namespace pixlin {

HDC PaintBuffer::Prepare(HDC compatibleWith, int32_t width, int32_t height) {
    if (bitmap_ && width == width_ && height == height_) {
        return dc_.get();
    }
    selected_.reset();
    bitmap_.reset();
    if (!dc_) {
        dc_ = MemoryDc(CreateCompatibleDC(compatibleWith));
        if (!dc_) {
            return nullptr;
        }
    }
    bitmap_ = Bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!bitmap_) {
        return nullptr;
    }
    selected_.emplace(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    return dc_.get();
}

}  // namespace pixlin
