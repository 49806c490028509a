#include <windows.h>

#include <algorithm>

#include "skintool/skin_picture.h"
#include "win32/picture_file.h"
#include "win32/win_handles.h"

namespace pixlin::skintool {
namespace {

void TakeBitmap(const LoadedPicture& loaded, SkinPicture& picture) {
    DIBSECTION section{};
    if (GetObjectW(loaded.bitmap.get(), sizeof section, &section) != sizeof section || section.dsBm.bmBits == nullptr) {
        picture.outcome = PictureOutcome::Unreadable;
        picture.detail = "the system gave no pixels";
        return;
    }
    const auto* pixels = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = pixels[i] & 0xFFFFFF;
        picture.translucentPixels += loaded.withAlpha && pixels[i] >> 24 < 0xFF ? 1 : 0;
    }
    picture.hasAlpha = picture.translucentPixels > 0;
    picture.outcome = PictureOutcome::Decoded;
}

}  // namespace

// The picker's own loader decides, so that what is reported is what the picker will show.
SkinPicture ReadSkinPicture(const SkinFile& file, const PictureLimits& limits) {
    SkinPicture picture;
    picture.format = SniffFormat(file.bytes);
    if (!file.whole) {
        ReadClaimedSize(file.bytes, picture);
        picture.outcome = PictureOutcome::TooLarge;
        return picture;
    }
    const LoadedPicture loaded = LoadPicture(file.path.wstring());
    picture.width = static_cast<std::int32_t>(std::min<UINT>(loaded.width, INT32_MAX));
    picture.height = static_cast<std::int32_t>(std::min<UINT>(loaded.height, INT32_MAX));
    switch (loaded.refusal) {
        case PictureRefusal::None:
            TakeBitmap(loaded, picture);
            break;
        case PictureRefusal::TooLarge:
            picture.outcome = PictureOutcome::TooLarge;
            break;
        case PictureRefusal::CannotOpen:
            picture.detail = "the file cannot be opened";
            break;
        case PictureRefusal::NotAPicture:
            // A decoder may refuse a huge picture before it tells its size: the header's claim then says why.
            ReadClaimedSize(file.bytes, picture);
            if (picture.width > 0 && !limits.Allow(picture.width, picture.height)) {
                picture.outcome = PictureOutcome::TooLarge;
            } else {
                picture.detail = "Windows' decoder does not take it";
            }
            break;
        case PictureRefusal::NoMemory:
            picture.detail = "the system could not make a bitmap of its size";
            break;
    }
    return picture;
}

}  // namespace pixlin::skintool
