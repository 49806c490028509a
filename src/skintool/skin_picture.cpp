#include "skintool/skin_picture.h"

#include "core/base/little_endian.h"

namespace pixlin::skintool {
namespace {

std::uint32_t ReadBig32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
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
        case PictureFormat::JpegXr:
            return "JPEG XR";
        case PictureFormat::Dds:
            return "DDS";
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
    if (head.starts_with("RIFF") && head.size() >= 12 && head.substr(8, 4) == "WEBP") {
        return PictureFormat::WebP;
    }
    if (head.starts_with("II\xBC")) {
        return PictureFormat::JpegXr;
    }
    if (head.starts_with("DDS ")) {
        return PictureFormat::Dds;
    }
    return PictureFormat::Other;
}

void ReadClaimedSize(std::string_view head, SkinPicture& picture) {
    std::int64_t width = 0;
    std::int64_t height = 0;
    const PictureFormat format = SniffFormat(head);
    if (format == PictureFormat::Png && head.size() >= 24 && head.substr(12, 4) == "IHDR") {
        width = ReadBig32(head, 16);
        height = ReadBig32(head, 20);
    } else if (format == PictureFormat::Bmp && head.size() >= 26) {
        width = static_cast<std::int32_t>(ReadLittle32(head, 18));
        height = static_cast<std::int32_t>(ReadLittle32(head, 22));
        height = height < 0 ? -height : height;
    } else if (format == PictureFormat::Gif && head.size() >= 10) {
        width = ReadLittle16(head, 6);
        height = ReadLittle16(head, 8);
    }
    if (width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX) {
        picture.width = static_cast<std::int32_t>(width);
        picture.height = static_cast<std::int32_t>(height);
    }
}

}  // namespace pixlin::skintool
