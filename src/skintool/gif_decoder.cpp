#include <gif_lib.h>

#include <cstring>
#include <memory>

#include "skintool/host_decoders.h"

namespace pixlin::skintool {
namespace {

struct GifSource {
    std::string_view bytes;
    std::size_t at = 0;
};

int ReadFromBytes(GifFileType* gif, GifByteType* out, int count) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const std::size_t taken = std::min(static_cast<std::size_t>(count), source->bytes.size() - source->at);
    std::memcpy(out, source->bytes.data() + source->at, taken);
    source->at += taken;
    return static_cast<int>(taken);
}

struct CloseGif {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

using GifFile = std::unique_ptr<GifFileType, CloseGif>;

// The transparent colour's index that a graphic control extension gives, or -1.
int TransparentIndex(GifByteType* extension) {
    return extension != nullptr && extension[0] >= 4 && (extension[1] & 1) != 0 ? extension[4] : -1;
}

void Refuse(SkinPicture& picture, int error) {
    picture.outcome = PictureOutcome::Unreadable;
    picture.detail = std::string("giflib: ") + GifErrorString(error);
}

// The first frame's rows, interlaced or not, as palette indexes, top-down.
bool ReadIndexes(GifFileType* gif, std::vector<GifByteType>& indexes) {
    const int width = gif->Image.Width;
    const int height = gif->Image.Height;
    const auto rowAt = [&indexes, width](int y) {
        return indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    };
    if (!gif->Image.Interlace) {
        for (int y = 0; y < height; ++y) {
            if (DGifGetLine(gif, rowAt(y), width) == GIF_ERROR) {
                return false;
            }
        }
        return true;
    }
    constexpr int kFirstRow[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kFirstRow[pass]; y < height; y += kStep[pass]) {
            if (DGifGetLine(gif, rowAt(y), width) == GIF_ERROR) {
                return false;
            }
        }
    }
    return true;
}

void TakeFrame(GifFileType* gif, const std::vector<GifByteType>& indexes, int transparent, SkinPicture& picture) {
    const ColorMapObject* colours = gif->Image.ColorMap != nullptr ? gif->Image.ColorMap : gif->SColorMap;
    std::vector<std::uint8_t> rgba(indexes.size() * 4, 0xFF);
    std::uint64_t outside = 0;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const int index = indexes[i];
        if (index < colours->ColorCount) {
            rgba[i * 4] = colours->Colors[index].Red;
            rgba[i * 4 + 1] = colours->Colors[index].Green;
            rgba[i * 4 + 2] = colours->Colors[index].Blue;
        } else {
            rgba[i * 4] = rgba[i * 4 + 1] = rgba[i * 4 + 2] = 0;
            ++outside;
        }
        rgba[i * 4 + 3] = index == transparent ? 0 : 0xFF;
    }
    picture.hasAlpha = transparent >= 0;
    TakePixels(rgba, 4, picture);
    picture.outcome = PictureOutcome::Decoded;
    if (outside > 0) {
        picture.doubts.push_back({Severity::Warning, std::to_string(outside) +
                                                         " pixels index past the colour table: black here, and what "
                                                         "Windows' decoder shows for them is not known"});
    }
    if (picture.translucentPixels > 0) {
        picture.doubts.push_back({Severity::Warning,
                                  "the GIF has a transparent colour: here its pixels keep their "
                                  "colour-table colour; Windows' decoder may give them another"});
    }
    if (gif->Image.Width != gif->SWidth || gif->Image.Height != gif->SHeight) {
        picture.doubts.push_back({Severity::Warning, "the first frame (" + std::to_string(gif->Image.Width) + " x " +
                                                         std::to_string(gif->Image.Height) +
                                                         ") is not the size of the GIF's screen: checked as the frame "
                                                         "alone, as Windows' decoder gives it"});
    }
}

}  // namespace

// Only the first frame is read, as the picker takes only that one: a file of many frames costs no more.
void DecodeGif(std::string_view bytes, const PictureLimits& limits, SkinPicture& picture) {
    GifSource source{bytes, 0};
    int error = 0;
    const GifFile gif(DGifOpen(&source, ReadFromBytes, &error));
    if (!gif) {
        Refuse(picture, error);
        return;
    }
    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            Refuse(picture, gif->Error);
            return;
        }
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* extension = nullptr;
            if (DGifGetExtension(gif.get(), &code, &extension) == GIF_ERROR) {
                Refuse(picture, gif->Error);
                return;
            }
            if (code == GRAPHICS_EXT_FUNC_CODE) {
                transparent = TransparentIndex(extension);
            }
            while (extension != nullptr) {
                if (DGifGetExtensionNext(gif.get(), &extension) == GIF_ERROR) {
                    Refuse(picture, gif->Error);
                    return;
                }
            }
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            break;
        } else {
            Refuse(picture, D_GIF_ERR_NO_IMAG_DSCR);
            return;
        }
    }
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
        Refuse(picture, gif->Error);
        return;
    }
    picture.width = gif->Image.Width;
    picture.height = gif->Image.Height;
    if (picture.width <= 0 || picture.height <= 0) {
        Refuse(picture, D_GIF_ERR_WRONG_RECORD);
        return;
    }
    if (!limits.Allow(picture.width, picture.height)) {
        picture.outcome = PictureOutcome::TooLarge;
        return;
    }
    if (gif->Image.ColorMap == nullptr && gif->SColorMap == nullptr) {
        picture.outcome = PictureOutcome::NotChecked;
        picture.detail = "a GIF without a colour table, whose colours Windows chooses";
        return;
    }
    std::vector<GifByteType> indexes(static_cast<std::size_t>(picture.width) *
                                     static_cast<std::size_t>(picture.height));
    if (!ReadIndexes(gif.get(), indexes)) {
        Refuse(picture, gif->Error);
        return;
    }
    TakeFrame(gif.get(), indexes, transparent, picture);
}

}  // namespace pixlin::skintool
