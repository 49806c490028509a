#include "core/picture/bmp_variants.h"
#include "skintool/host_decoders.h"

namespace pixlin::skintool {
namespace {

std::string VariantText(const BmpPicture& bmp) {
    static constexpr const char* kCompressions[] = {
        "uncompressed", "RLE8", "RLE4", "bit fields", "JPEG inside", "PNG inside", "alpha bit fields"};
    const std::string compression = bmp.compression < std::size(kCompressions)
                                        ? kCompressions[bmp.compression]
                                        : "compression " + std::to_string(bmp.compression);
    return std::to_string(bmp.bitCount) + "-bit " + compression;
}

}  // namespace

void DecodeBmp(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture) {
    BmpPicture bmp = DecodeAnyBmp(bytes, limits.maxSide, limits.maxBytes);
    switch (bmp.outcome) {
        case BmpOutcome::Decoded:
            picture.width = bmp.width;
            picture.height = bmp.height;
            picture.pixels = std::move(bmp.pixels);
            picture.outcome = PictureOutcome::Decoded;
            if (bmp.undefinedPixels > 0) {
                picture.doubts.push_back(
                    {Severity::Warning,
                     std::to_string(bmp.undefinedPixels) + " pixels of the " + VariantText(bmp) +
                         " BMP are left undefined (skipped by its codes or past its palette): black here; "
                         "Windows' decoder fills them in a colour this checker cannot know"});
            }
            return;
        case BmpOutcome::TooLarge:
            picture.width = bmp.width;
            picture.height = bmp.height;
            picture.outcome = PictureOutcome::TooLarge;
            return;
        case BmpOutcome::Unsupported:
            picture.outcome = PictureOutcome::NotChecked;
            picture.detail = "a " + VariantText(bmp) + " BMP (or one with an unusual header)";
            return;
        case BmpOutcome::Damaged:
            picture.outcome = PictureOutcome::Unreadable;
            picture.detail = "its header or pixels are damaged or reach past the file's end";
            return;
    }
}

}  // namespace pixlin::skintool
