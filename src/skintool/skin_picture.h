#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::skintool {

enum class PictureFormat { Bmp, Png, Jpeg, Gif, Tiff, Icon, WebP, Other };

// How the picker will take the skin bitmap.
enum class PictureOutcome {
    Decoded,
    // The picker shows its built-in skin instead.
    Unreadable,
    TooLarge,
    // The picker reads the format through Windows, but the checker cannot decode it.
    NotChecked,
};

// The skin bitmap's pixels as the picker sees them: top-down rows of 0x00RRGGBB, any alpha left aside.
struct SkinPicture {
    PictureFormat format = PictureFormat::Other;
    PictureOutcome outcome = PictureOutcome::Unreadable;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;
    bool hasAlpha = false;
    // Pixels whose alpha is below fully opaque.
    std::uint64_t translucentPixels = 0;

    std::uint32_t At(std::int32_t x, std::int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

std::string_view FormatName(PictureFormat format);

PictureFormat SniffFormat(std::string_view head);

// Decodes the file's bytes. `whole` is false when only the file's first bytes were read (the file is larger than
// any picture the picker takes): then only its size is looked at.
SkinPicture DecodeSkinPicture(std::string_view bytes, bool whole);

}  // namespace pixlin::skintool
