#pragma once

// The decoders the checker uses where Windows' imaging component is not at hand: Debian's maintained and fuzzed
// libpng, libjpeg-turbo and giflib, and the core's own BMP reader. Each fills the picture's size, pixels and
// outcome from the whole file's bytes; the format is already set.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/layout/skin_limits.h"
#include "skintool/skin_picture.h"

namespace pixlin::skintool {

void DecodeBmp(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture);
void DecodePng(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture);
void DecodeJpeg(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture);
void DecodeGif(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture);

// Takes top-down rows of red, green, blue and (with 4 bytes a pixel) alpha bytes as the picture's pixels.
void TakePixels(const std::vector<std::uint8_t>& bytes, int bytesPerPixel, SkinPicture& picture);

}  // namespace pixlin::skintool
