#include "skintool/skin_picture.h"

#include <stb_image.h>

#include <memory>

#include "core/skin/bmp_pixels.h"
#include "core/skin/skin_limits.h"

namespace pixlin::skintool {
namespace {

constexpr int kRgba = 4;
constexpr std::uint8_t kOpaque = 255;

bool WithinLimits(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           static_cast<std::uint64_t>(width * height) * 4 <= kMaxPictureBytes;
}

int ByteCount(std::string_view bytes) {
    return static_cast<int>(std::min<std::size_t>(bytes.size(), INT32_MAX));
}

// Everything but the picker's own BMP reader goes through the imaging component on Windows; here stb_image stands
// in for it.
void DecodeWithStb(std::string_view bytes, SkinPicture& picture) {
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, ByteCount(bytes), &width, &height, &channels)) {
        const bool windowsReads = picture.format == PictureFormat::Tiff || picture.format == PictureFormat::Icon ||
                                  picture.format == PictureFormat::WebP;
        picture.outcome = windowsReads ? PictureOutcome::NotChecked : PictureOutcome::Unreadable;
        return;
    }
    picture.width = width;
    picture.height = height;
    if (!WithinLimits(width, height)) {
        picture.outcome = PictureOutcome::TooLarge;
        return;
    }
    const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> rgba(
        stbi_load_from_memory(data, ByteCount(bytes), &width, &height, &channels, kRgba), &stbi_image_free);
    if (!rgba) {
        picture.outcome = PictureOutcome::Unreadable;
        return;
    }
    picture.hasAlpha = channels == 2 || channels == 4;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    picture.pixels.resize(count);
    const stbi_uc* pixel = rgba.get();
    for (std::size_t i = 0; i < count; ++i, pixel += kRgba) {
        picture.pixels[i] = std::uint32_t{pixel[0]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[2];
        picture.translucentPixels += pixel[3] < kOpaque ? 1 : 0;
    }
    picture.outcome = PictureOutcome::Decoded;
}

}  // namespace

std::string_view FormatName(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bmp:
            return "BMP";
        case PictureFormat::Png:
            return "PNG";
        case PictureFormat::Jpeg:
            return "JPEG";
        case PictureFormat::Gif:
            return "GIF";
        case PictureFormat::Tiff:
            return "TIFF";
        case PictureFormat::Icon:
            return "icon";
        case PictureFormat::WebP:
            return "WebP";
        case PictureFormat::Other:
            break;
    }
    return "unknown format";
}

PictureFormat SniffFormat(std::string_view head) {
    if (head.starts_with("BM")) {
        return PictureFormat::Bmp;
    }
    if (head.starts_with("\x89PNG")) {
        return PictureFormat::Png;
    }
    if (head.starts_with("\xFF\xD8\xFF")) {
        return PictureFormat::Jpeg;
    }
    if (head.starts_with("GIF8")) {
        return PictureFormat::Gif;
    }
    if (head.starts_with(std::string_view("II*\0", 4)) || head.starts_with(std::string_view("MM\0*", 4))) {
        return PictureFormat::Tiff;
    }
    if (head.starts_with(std::string_view("\0\0\1\0", 4))) {
        return PictureFormat::Icon;
    }
    if (head.starts_with("RIFF") && head.substr(8, 4) == "WEBP") {
        return PictureFormat::WebP;
    }
    return PictureFormat::Other;
}

SkinPicture DecodeSkinPicture(std::string_view bytes, bool whole) {
    SkinPicture picture;
    picture.format = SniffFormat(bytes);
    if (!whole) {
        int width = 0;
        int height = 0;
        int channels = 0;
        if (stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), ByteCount(bytes), &width, &height,
                                  &channels)) {
            picture.width = width;
            picture.height = height;
        }
        picture.outcome = PictureOutcome::TooLarge;
        return picture;
    }
    // The picker's own reader takes uncompressed 24- and 32-bit BMPs, exactly as here.
    if (const std::optional<BmpLayout> layout = ReadBmpLayout(bytes, kMaxPictureSide);
        layout && WithinLimits(layout->width, layout->height)) {
        picture.width = layout->width;
        picture.height = layout->height;
        picture.pixels.resize(static_cast<std::size_t>(layout->width) * static_cast<std::size_t>(layout->height));
        CopyBmpPixels(bytes, *layout, picture.pixels.data());
        picture.outcome = PictureOutcome::Decoded;
        return picture;
    }
    DecodeWithStb(bytes, picture);
    return picture;
}

}  // namespace pixlin::skintool
