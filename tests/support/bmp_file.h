#pragma once

// BMP files for tests and benchmarks of every tier, written byte by byte so that any header field can be chosen.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::testing {

// The fields of a BITMAPFILEHEADER and BITMAPINFOHEADER that a reader checks. The defaults make a small picture
// whose rows need padding.
struct BmpHeader {
    std::int32_t width = 3;
    std::int32_t height = 2;  // negative: rows stored top-down
    std::uint32_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t infoBytes = 40;
    std::uint32_t planes = 1;
    std::int32_t offsetShift = 0;  // moves the pixel offset against where the pixels really start
};

// A pixel's value by column and stored row (bottom-up files store the bottom row first), written little-endian in
// bitCount / 8 bytes, as a BMP stores it: 0x00RRGGBB gives blue, green, red; the top byte is a 32-bit pixel's fourth.
using StoredPixel = std::function<std::uint32_t(std::uint32_t x, std::uint32_t storedRow)>;

inline std::string BmpFile(const BmpHeader& header, const StoredPixel& pixel) {
    const auto put = [](std::string& out, std::uint32_t value, std::uint32_t bytes) {
        for (std::uint32_t i = 0; i < bytes; ++i) {
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    const std::uint32_t bytesPerPixel = header.bitCount / 8;
    const auto rows =
        static_cast<std::uint32_t>(header.height < 0 ? -static_cast<std::int64_t>(header.height) : header.height);
    const auto width = static_cast<std::uint32_t>(header.width > 0 ? header.width : 0);
    const std::uint32_t stride = (width * header.bitCount + 31) / 32 * 4;
    const std::uint32_t offset = 14 + header.infoBytes;
    std::string file = "BM";
    file.reserve(offset + std::size_t{stride} * rows);
    put(file, offset + stride * rows, 4);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(static_cast<std::int32_t>(offset) + header.offsetShift), 4);
    put(file, header.infoBytes, 4);
    put(file, static_cast<std::uint32_t>(header.width), 4);
    put(file, static_cast<std::uint32_t>(header.height), 4);
    put(file, header.planes, 2);
    put(file, header.bitCount, 2);
    put(file, header.compression, 4);
    put(file, stride * rows, 4);
    file.resize(offset, '\0');
    for (std::uint32_t y = 0; y < rows; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            put(file, pixel(x, y), bytesPerPixel);
        }
        file.append(stride - width * bytesPerPixel, '\0');
    }
    return file;
}

// Colours 0x00BBGGRR, as the program's own, by character.
using Palette = std::map<char, std::uint32_t>;

// 0x00BBGGRR as a BMP stores it.
inline std::uint32_t StoredColour(std::uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// A 24-bit bottom-up BMP drawn as rows of characters, top row first: each character stands for one pixel's colour.
// Every row has the same length; a character missing from the palette is black.
inline std::string BmpFromRows(const std::vector<std::string_view>& rows, const Palette& palette) {
    const auto height = static_cast<std::uint32_t>(rows.size());
    const auto width = static_cast<std::int32_t>(rows.empty() ? 0 : rows.front().size());
    return BmpFile({.width = width, .height = static_cast<std::int32_t>(height)},
                   [&](std::uint32_t x, std::uint32_t storedRow) -> std::uint32_t {
                       const auto found = palette.find(rows[height - 1 - storedRow][x]);
                       return found == palette.end() ? 0 : StoredColour(found->second);
                   });
}

// A 24-bit BMP of one colour, given as 0x00BBGGRR.
inline std::string SolidBmp(std::int32_t width, std::int32_t height, std::uint32_t colour) {
    return BmpFile({.width = width, .height = height},
                   [stored = StoredColour(colour)](std::uint32_t, std::uint32_t) { return stored; });
}

}  // namespace pixlin::testing
