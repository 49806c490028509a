#pragma once

// Skin bitmaps for tests, drawn as rows of characters: each character stands for one pixel's colour.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::testing {

// A 24-bit bottom-up BMP file. Every row has the same length; a character missing from the palette is black.
inline std::string BmpFromRows(const std::vector<std::string_view>& rows, const std::map<char, COLORREF>& palette) {
    const auto height = static_cast<uint32_t>(rows.size());
    const auto width = static_cast<uint32_t>(rows.empty() ? 0 : rows.front().size());
    const uint32_t stride = (width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = stride * height;
    std::string bytes(54 + imageSize, '\0');
    auto put32 = [&bytes](std::size_t at, uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, imageSize);
    for (uint32_t y = 0; y < height; ++y) {
        const std::string_view row = rows[height - 1 - y];
        for (uint32_t x = 0; x < width; ++x) {
            const auto found = palette.find(row[x]);
            const COLORREF colour = found == palette.end() ? 0 : found->second;
            const std::size_t at = 54 + y * stride + x * 3;
            bytes[at] = static_cast<char>(GetBValue(colour));
            bytes[at + 1] = static_cast<char>(GetGValue(colour));
            bytes[at + 2] = static_cast<char>(GetRValue(colour));
        }
    }
    return bytes;
}

}  // namespace pixlin::testing
