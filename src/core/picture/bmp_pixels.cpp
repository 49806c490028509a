#include "core/picture/bmp_pixels.h"

#include <cstdlib>

#include "core/base/little_endian.h"

namespace pixlin {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER; the V4 and V5 headers extend it
constexpr uint32_t kV5HeaderBytes = 124;
constexpr uint32_t kUncompressed = 0;

}  // namespace

std::optional<BmpLayout> ReadBmpLayout(std::string_view file, int32_t maxSide) noexcept {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const uint32_t infoBytes = ReadLittle32(file, 14);
    if (infoBytes != kInfoHeaderBytes && infoBytes != 108 && infoBytes != kV5HeaderBytes) {
        return std::nullopt;
    }
    const auto width = static_cast<int32_t>(ReadLittle32(file, 18));
    const auto signedHeight = static_cast<int32_t>(ReadLittle32(file, 22));
    const uint32_t planes = ReadLittle16(file, 26);
    const uint32_t bitCount = ReadLittle16(file, 28);
    const uint32_t compression = ReadLittle32(file, 30);
    if (width < 1 || width > maxSide || signedHeight == 0 || signedHeight < -maxSide || signedHeight > maxSide ||
        planes != 1 || (bitCount != 24 && bitCount != 32) || compression != kUncompressed) {
        return std::nullopt;
    }

    BmpLayout layout;
    layout.width = width;
    layout.height = std::abs(signedHeight);
    layout.topDown = signedHeight < 0;
    layout.bytesPerPixel = bitCount / 8;
    layout.pixelOffset = ReadLittle32(file, 10);
    layout.stride = (uint64_t{static_cast<uint32_t>(width)} * bitCount + 31) / 32 * 4;
    // The last row needs only its pixels, not its padding: some writers leave that off.
    const uint64_t end = layout.pixelOffset + layout.stride * static_cast<uint64_t>(layout.height - 1) +
                         uint64_t{static_cast<uint32_t>(width)} * layout.bytesPerPixel;
    if (layout.pixelOffset < kFileHeaderBytes + infoBytes || end > file.size()) {
        return std::nullopt;
    }
    return layout;
}

void CopyBmpPixels(std::string_view file, const BmpLayout& layout, uint32_t* out) noexcept {
    for (int32_t row = 0; row < layout.height; ++row) {
        const int32_t stored = layout.topDown ? row : layout.height - 1 - row;
        std::size_t at = layout.pixelOffset + layout.stride * static_cast<uint64_t>(stored);
        for (int32_t x = 0; x < layout.width; ++x, at += layout.bytesPerPixel) {
            const auto blue = static_cast<unsigned char>(file[at]);
            const auto green = static_cast<unsigned char>(file[at + 1]);
            const auto red = static_cast<unsigned char>(file[at + 2]);
            *out++ = uint32_t{red} << 16 | uint32_t{green} << 8 | blue;
        }
    }
}

}  // namespace pixlin
