#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/layout/skin_limits.h"
#include "skintool/finding.h"
#include "skintool/skin_files.h"

namespace pixlin::skintool {

enum class PictureFormat { Bmp, Png, Jpeg, Gif, Tiff, Icon, WebP, JpegXr, Dds, Other };

// How the picker will take the skin bitmap.
enum class PictureOutcome {
    Decoded,
    // The picker shows its built-in skin instead.
    Unreadable,
    TooLarge,
    // The picker hands the file to Windows, which may read it, but the checker cannot decode it.
    NotChecked,
};

// Where the checker's decoded pixels may not be those the picker gets from Windows' decoder.
struct PictureDoubt {
    Severity severity = Severity::Warning;
    std::string text;
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
    // Why the picture is unreadable or not checked, as the decoder put it (may be empty).
    std::string detail;
    std::vector<PictureDoubt> doubts;

    std::uint32_t At(std::int32_t x, std::int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

std::string_view FormatName(PictureFormat format);

PictureFormat SniffFormat(std::string_view head);

// The sides a picture's header claims, where its format puts them in the first bytes (BMP, PNG, GIF); 0 x 0
// otherwise.
void ReadClaimedSize(std::string_view head, SkinPicture& picture);

// The skin bitmap as the picker takes it: on Windows through the picker's own loader, elsewhere decoded from the
// file's bytes by the formats the picker takes.
SkinPicture ReadSkinPicture(const SkinFile& file, const PictureLimits& limits = {});

#ifndef _WIN32
// Decodes the file's bytes. `whole` is false when only the file's first bytes were read (the file is larger than
// any picture the picker takes): then only its claimed size is looked at.
SkinPicture DecodeSkinPicture(std::string_view bytes, bool whole, const PictureLimits& limits = {});
#endif

}  // namespace pixlin::skintool
