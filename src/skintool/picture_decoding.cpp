#include "skintool/host_decoders.h"

namespace pixlin::skintool {

void TakePixels(const std::vector<std::uint8_t>& bytes, int bytesPerPixel, SkinPicture& picture) {
    const auto step = static_cast<std::size_t>(bytesPerPixel);
    picture.pixels.resize(bytes.size() / step);
    for (std::size_t i = 0, at = 0; i < picture.pixels.size(); ++i, at += step) {
        picture.pixels[i] = std::uint32_t{bytes[at]} << 16 | std::uint32_t{bytes[at + 1]} << 8 | bytes[at + 2];
        picture.translucentPixels += bytesPerPixel == 4 && bytes[at + 3] < 0xFF ? 1 : 0;
    }
}

SkinPicture DecodeSkinPicture(std::string_view bytes, bool whole, const PictureLimits& limits) {
    SkinPicture picture;
    picture.format = SniffFormat(bytes);
    if (!whole) {
        ReadClaimedSize(bytes, picture);
        picture.outcome = PictureOutcome::TooLarge;
        return picture;
    }
    switch (picture.format) {
        case PictureFormat::Bmp:
            DecodeBmp(bytes, limits, picture);
            break;
        case PictureFormat::Png:
            DecodePng(bytes, limits, picture);
            break;
        case PictureFormat::Jpeg:
            DecodeJpeg(bytes, limits, picture);
            break;
        case PictureFormat::Gif:
            DecodeGif(bytes, limits, picture);
            break;
        case PictureFormat::Tiff:
        case PictureFormat::Icon:
        case PictureFormat::WebP:
        case PictureFormat::JpegXr:
        case PictureFormat::Dds:
            picture.outcome = PictureOutcome::NotChecked;
            break;
        case PictureFormat::Other:
            picture.outcome = PictureOutcome::Unreadable;
            break;
    }
    if (picture.outcome != PictureOutcome::Decoded) {
        picture.pixels.clear();
    }
    return picture;
}

SkinPicture ReadSkinPicture(const SkinFile& file, const PictureLimits& limits) {
    return DecodeSkinPicture(file.bytes, file.whole, limits);
}

}  // namespace pixlin::skintool
