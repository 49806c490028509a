#include "core/picture/bmp_variants.h"

#include <algorithm>

#include "core/base/little_endian.h"

namespace pixlin {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kOs2HeaderBytes = 64;

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
};

struct Header {
    uint32_t infoBytes = 0;
    int64_t width = 0;
    int64_t signedHeight = 0;
    uint32_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t coloursUsed = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    std::size_t paletteAt = 0;
    std::size_t paletteEntryBytes = 4;
};

bool KnownInfoHeader(uint32_t bytes) {
    return bytes == kInfoHeaderBytes || bytes == 52 || bytes == 56 || bytes == 108 || bytes == 124;
}

// The header, or the outcome that ends the reading.
BmpOutcome ReadHeader(std::string_view file, Header& header) {
    if (file.size() < kFileHeaderBytes + kCoreHeaderBytes || file[0] != 'B' || file[1] != 'M') {
        return BmpOutcome::Damaged;
    }
    header.infoBytes = ReadLittle32(file, 14);
    if (header.infoBytes == kCoreHeaderBytes) {
        header.width = ReadLittle16(file, 18);
        header.signedHeight = ReadLittle16(file, 20);
        header.bitCount = ReadLittle16(file, 24);
        header.paletteAt = kFileHeaderBytes + kCoreHeaderBytes;
        header.paletteEntryBytes = 3;
        return BmpOutcome::Decoded;
    }
    if (header.infoBytes == kOs2HeaderBytes) {
        return BmpOutcome::Unsupported;
    }
    if (!KnownInfoHeader(header.infoBytes) || file.size() < kFileHeaderBytes + header.infoBytes) {
        return BmpOutcome::Damaged;
    }
    header.width = static_cast<int32_t>(ReadLittle32(file, 18));
    header.signedHeight = static_cast<int32_t>(ReadLittle32(file, 22));
    header.bitCount = ReadLittle16(file, 28);
    header.compression = ReadLittle32(file, 30);
    header.coloursUsed = ReadLittle32(file, 46);
    header.paletteAt = kFileHeaderBytes + header.infoBytes;
    if (header.compression == kBitFields || header.compression == kAlphaBitFields) {
        // The masks follow a 40-byte header and are part of every longer one.
        const std::size_t masksAt = kFileHeaderBytes + kInfoHeaderBytes;
        if (header.infoBytes == kInfoHeaderBytes) {
            header.paletteAt += header.compression == kBitFields ? 12 : 16;
        }
        if (file.size() < masksAt + 12) {
            return BmpOutcome::Damaged;
        }
        header.redMask = ReadLittle32(file, masksAt);
        header.greenMask = ReadLittle32(file, masksAt + 4);
        header.blueMask = ReadLittle32(file, masksAt + 8);
    }
    return BmpOutcome::Decoded;
}

// Bit fields as the system's decoder takes them: 16 bits as 5-5-5 or 5-6-5, 32 bits as 8-8-8.
BmpOutcome CheckFormat(Header& header) {
    const uint32_t bits = header.bitCount;
    switch (header.compression) {
        case kRgb:
            if (bits == 16) {
                header.redMask = 0x7C00;
                header.greenMask = 0x03E0;
                header.blueMask = 0x001F;
            }
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32 ? BmpOutcome::Decoded
                                                                                                 : BmpOutcome::Damaged;
        case kRle8:
            return bits == 8 ? BmpOutcome::Decoded : BmpOutcome::Damaged;
        case kRle4:
            return bits == 4 ? BmpOutcome::Decoded : BmpOutcome::Damaged;
        case kBitFields:
        case kAlphaBitFields: {
            const bool is555 = header.redMask == 0x7C00 && header.greenMask == 0x03E0 && header.blueMask == 0x001F;
            const bool is565 = header.redMask == 0xF800 && header.greenMask == 0x07E0 && header.blueMask == 0x001F;
            const bool is888 =
                header.redMask == 0xFF0000 && header.greenMask == 0x00FF00 && header.blueMask == 0x0000FF;
            if (bits != 16 && bits != 32) {
                return BmpOutcome::Damaged;
            }
            return (bits == 16 && (is555 || is565)) || (bits == 32 && is888) ? BmpOutcome::Decoded
                                                                             : BmpOutcome::Unsupported;
        }
        case kJpeg:
        case kPng:
            return BmpOutcome::Unsupported;
        default:
            return BmpOutcome::Damaged;
    }
}

uint32_t Widen5(uint32_t value) {
    return value << 3 | value >> 2;
}

uint32_t Widen6(uint32_t value) {
    return value << 2 | value >> 4;
}

class PixelWriter {
public:
    PixelWriter(BmpPicture& picture, std::vector<uint32_t> palette) : picture_(picture), palette_(std::move(palette)) {}

    // `row` counts from the top.
    void Colour(int64_t x, int64_t row, uint32_t rgb) {
        picture_.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(picture_.width) +
                        static_cast<std::size_t>(x)] = rgb;
    }

    // True when the index has a colour in the palette.
    bool Index(int64_t x, int64_t row, uint32_t index) {
        if (index >= palette_.size()) {
            return false;
        }
        Colour(x, row, palette_[index]);
        return true;
    }

private:
    BmpPicture& picture_;
    std::vector<uint32_t> palette_;
};

uint64_t DecodeRows(std::string_view file,
                    const Header& header,
                    std::size_t pixelOffset,
                    PixelWriter& out,
                    const BmpPicture& picture) {
    const uint32_t bits = header.bitCount;
    const uint64_t stride = (static_cast<uint64_t>(picture.width) * bits + 31) / 32 * 4;
    const bool topDown = header.signedHeight < 0;
    uint64_t undefined = 0;
    for (int64_t stored = 0; stored < picture.height; ++stored) {
        const int64_t row = topDown ? stored : picture.height - 1 - stored;
        const std::string_view bytes = file.substr(pixelOffset + stride * static_cast<uint64_t>(stored));
        for (int64_t x = 0; x < picture.width; ++x) {
            const auto at = static_cast<std::size_t>(x * bits / 8);
            const auto byte = static_cast<unsigned char>(bytes[at]);
            if (bits <= 8) {
                const auto shift = static_cast<uint32_t>(8 - bits - x * bits % 8);
                undefined += out.Index(x, row, byte >> shift & ((1u << bits) - 1)) ? 0 : 1;
            } else if (bits == 16) {
                const uint32_t value = ReadLittle16(bytes, at);
                const bool is565 = header.greenMask == 0x07E0;
                const uint32_t red = is565 ? value >> 11 : value >> 10 & 0x1F;
                const uint32_t green = is565 ? Widen6(value >> 5 & 0x3F) : Widen5(value >> 5 & 0x1F);
                out.Colour(x, row, Widen5(red) << 16 | green << 8 | Widen5(value & 0x1F));
            } else {
                const auto green = static_cast<unsigned char>(bytes[at + 1]);
                const auto red = static_cast<unsigned char>(bytes[at + 2]);
                out.Colour(x, row, uint32_t{red} << 16 | uint32_t{green} << 8 | byte);
            }
        }
    }
    return undefined;
}

// Run-length codes, rows from the bottom up. A pixel no code reaches stays black and counts as undefined.
uint64_t DecodeRle(std::string_view data, bool fourBits, PixelWriter& out, const BmpPicture& picture) {
    uint64_t defined = 0;
    int64_t x = 0;
    int64_t y = 0;
    const auto put = [&](uint32_t index) {
        if (x < picture.width && y < picture.height) {
            defined += out.Index(x, picture.height - 1 - y, index) ? 1 : 0;
        }
        ++x;
    };
    std::size_t at = 0;
    while (at + 1 < data.size() && y < picture.height) {
        const auto count = static_cast<unsigned char>(data[at]);
        const auto value = static_cast<unsigned char>(data[at + 1]);
        at += 2;
        if (count > 0) {
            // A run past the row's end costs nothing: only what lies inside is drawn.
            const int64_t inside = std::clamp<int64_t>(picture.width - x, 0, count);
            for (int64_t i = 0; i < inside; ++i) {
                put(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0xF) : value);
            }
            x += count - inside;
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 1 >= data.size()) {
                break;
            }
            x += static_cast<unsigned char>(data[at]);
            y += static_cast<unsigned char>(data[at + 1]);
            at += 2;
        } else {
            const std::size_t bytes = fourBits ? (value + 1u) / 2 : value;
            if (at + bytes > data.size()) {
                break;
            }
            for (uint32_t i = 0; i < value; ++i) {
                const auto byte = static_cast<unsigned char>(data[at + (fourBits ? i / 2 : i)]);
                put(fourBits ? (i % 2 == 0 ? byte >> 4 : byte & 0xF) : byte);
            }
            at += bytes + (bytes & 1);
        }
    }
    return static_cast<uint64_t>(picture.width) * static_cast<uint64_t>(picture.height) - defined;
}

}  // namespace

BmpPicture DecodeAnyBmp(std::string_view file, int32_t maxSide, uint64_t maxPixelBytes) {
    BmpPicture picture;
    Header header;
    picture.outcome = ReadHeader(file, header);
    if (picture.outcome != BmpOutcome::Decoded) {
        return picture;
    }
    picture.bitCount = header.bitCount;
    picture.compression = header.compression;
    picture.outcome = CheckFormat(header);
    if (picture.outcome != BmpOutcome::Decoded) {
        return picture;
    }
    const int64_t height = header.signedHeight < 0 ? -header.signedHeight : header.signedHeight;
    const bool rle = header.compression == kRle8 || header.compression == kRle4;
    if (header.width <= 0 || height == 0) {
        picture.outcome = BmpOutcome::Damaged;
        return picture;
    }
    if (rle && header.signedHeight < 0) {
        picture.outcome = BmpOutcome::Unsupported;
        return picture;
    }
    picture.width = static_cast<int32_t>(header.width);
    picture.height = static_cast<int32_t>(std::min<int64_t>(height, INT32_MAX));
    if (header.width > maxSide || height > maxSide ||
        static_cast<uint64_t>(header.width * height) * 4 > maxPixelBytes) {
        picture.outcome = BmpOutcome::TooLarge;
        return picture;
    }

    std::vector<uint32_t> palette;
    if (header.bitCount <= 8) {
        const uint32_t most = 1u << header.bitCount;
        const uint32_t count = header.coloursUsed == 0 ? most : std::min(header.coloursUsed, most);
        if (header.paletteAt + uint64_t{count} * header.paletteEntryBytes > file.size()) {
            picture.outcome = BmpOutcome::Damaged;
            return picture;
        }
        for (uint32_t i = 0; i < count; ++i) {
            const std::size_t at = header.paletteAt + i * header.paletteEntryBytes;
            const auto blue = static_cast<unsigned char>(file[at]);
            const auto green = static_cast<unsigned char>(file[at + 1]);
            const auto red = static_cast<unsigned char>(file[at + 2]);
            palette.push_back(uint32_t{red} << 16 | uint32_t{green} << 8 | blue);
        }
    }
    const std::size_t pixelOffset = ReadLittle32(file, 10);
    const uint64_t stride = (static_cast<uint64_t>(header.width) * header.bitCount + 31) / 32 * 4;
    const uint64_t end = pixelOffset + stride * static_cast<uint64_t>(height - 1) +
                         (static_cast<uint64_t>(header.width) * header.bitCount + 7) / 8;
    if (pixelOffset < header.paletteAt || pixelOffset >= file.size() || (!rle && end > file.size())) {
        picture.outcome = BmpOutcome::Damaged;
        return picture;
    }

    picture.pixels.assign(static_cast<std::size_t>(header.width) * static_cast<std::size_t>(height), 0);
    PixelWriter out(picture, std::move(palette));
    picture.undefinedPixels = rle ? DecodeRle(file.substr(pixelOffset), header.compression == kRle4, out, picture)
                                  : DecodeRows(file, header, pixelOffset, out, picture);
    return picture;
}

}  // namespace pixlin
