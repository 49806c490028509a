#include <png.h>

#include <cstring>

#include "skintool/host_decoders.h"

namespace pixlin::skintool {
namespace {

constexpr int kRgbaBytes = 4;

struct PngSource {
    std::string_view bytes;
    std::size_t at = 0;
    std::string error;
};

void ReadFromBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->at) {
        png_error(png, "the file ends early");
    }
    std::memcpy(out, source->bytes.data() + source->at, count);
    source->at += count;
}

void OnError(png_structp png, png_const_charp message) {
    static_cast<PngSource*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

class PngReader {
public:
    explicit PngReader(PngSource& source)
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnError, OnWarning)),
          info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {
        if (info_ != nullptr) {
            png_set_read_fn(png_, &source, ReadFromBytes);
        }
    }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
    ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }

    // False on any error libpng reports. A libpng error jumps back here: this frame holds no object with a
    // destructor, and all it changes lives in `picture` and `rgba`, outside it.
    bool Read(const PictureLimits& limits,
              SkinPicture& picture,
              std::vector<std::uint8_t>& rgba,
              std::vector<png_bytep>& rows) {
        if (info_ == nullptr) {
            return false;
        }
        if (setjmp(png_jmpbuf(png_))) {
            return false;
        }
        // The picker's own limits decide, with the size in the message.
        png_set_user_limits(png_, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
        png_read_info(png_, info_);
        const png_uint_32 width = png_get_image_width(png_, info_);
        const png_uint_32 height = png_get_image_height(png_, info_);
        picture.width = static_cast<std::int32_t>(width);
        picture.height = static_cast<std::int32_t>(height);
        if (!limits.Allow(width, height)) {
            picture.outcome = PictureOutcome::TooLarge;
            return true;
        }
        const png_byte colourType = png_get_color_type(png_, info_);
        picture.hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png_, info_, PNG_INFO_tRNS);
        if (png_get_bit_depth(png_, info_) == 16) {
            picture.doubts.push_back({Severity::Warning,
                                      "16 bits a channel: taken here as the high byte of each; Windows' conversion to "
                                      "8 bits may round instead, so a colour may be one off the key colour there"});
            png_set_strip_16(png_);
        }
        // No gamma handling: the colour values as stored, as Windows' decoder gives them.
        png_set_expand(png_);
        png_set_gray_to_rgb(png_);
        png_set_add_alpha(png_, 0xFF, PNG_FILLER_AFTER);
        png_set_interlace_handling(png_);
        png_read_update_info(png_, info_);
        if (png_get_rowbytes(png_, info_) != std::size_t{width} * kRgbaBytes) {
            png_error(png_, "unexpected row size");
        }
        rgba.resize(std::size_t{width} * height * kRgbaBytes);
        rows.resize(height);
        for (png_uint_32 y = 0; y < height; ++y) {
            rows[y] = rgba.data() + std::size_t{y} * width * kRgbaBytes;
        }
        png_read_image(png_, rows.data());
        picture.outcome = PictureOutcome::Decoded;
        return true;
    }

private:
    png_structp png_;
    png_infop info_;
};

}  // namespace

void DecodePng(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture) {
    PngSource source{bytes, 0, {}};
    std::vector<std::uint8_t> rgba;
    std::vector<png_bytep> rows;
    PngReader reader(source);
    if (!reader.Read(limits, picture, rgba, rows)) {
        picture.outcome = PictureOutcome::Unreadable;
        picture.detail = "libpng: " + source.error;
        picture.pixels.clear();
        return;
    }
    if (picture.outcome == PictureOutcome::Decoded) {
        TakePixels(rgba, kRgbaBytes, picture);
    }
}

}  // namespace pixlin::skintool
