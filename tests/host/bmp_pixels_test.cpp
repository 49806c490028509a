#include "winsvc/bmp_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixlin {
namespace {

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

struct Header {
    int32_t width = 3;
    int32_t height = 2;
    uint32_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t infoBytes = 40;
    uint32_t planes = 1;
    int32_t offsetShift = 0;  // moves the pixel offset against where the pixels really start
};

// A BMP whose pixel (x, y), counted in stored order, has blue x, green y and red 0x80 + x + y.
std::string Bmp(const Header& header) {
    const uint32_t bytesPerPixel = header.bitCount / 8;
    const uint32_t rows = static_cast<uint32_t>(header.height < 0 ? -header.height : header.height);
    const uint32_t width = static_cast<uint32_t>(header.width > 0 ? header.width : 0);
    const uint32_t stride = (width * header.bitCount + 31) / 32 * 4;
    const uint32_t offset = 14 + header.infoBytes;
    std::string file = "BM";
    Put32(file, offset + stride * rows);
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(static_cast<int32_t>(offset) + header.offsetShift));
    Put32(file, header.infoBytes);
    Put32(file, static_cast<uint32_t>(header.width));
    Put32(file, static_cast<uint32_t>(header.height));
    Put16(file, header.planes);
    Put16(file, header.bitCount);
    Put32(file, header.compression);
    file.resize(offset, '\0');
    for (uint32_t y = 0; y < rows; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            file += static_cast<char>(x);
            file += static_cast<char>(y);
            file += static_cast<char>(0x80 + x + y);
            if (bytesPerPixel == 4) {
                file += '\x7f';
            }
        }
        file.append(stride - width * bytesPerPixel, '\0');
    }
    return file;
}

uint32_t Expected(uint32_t x, uint32_t storedRow) {
    return (0x80 + x + storedRow) << 16 | storedRow << 8 | x;
}

TEST(BmpPixels, ReadsUncompressedTrueColourFilesTopRowFirst) {
    const struct {
        const char* what;
        Header header;
    } rows[] = {
        {"24-bit, bottom-up, padded rows", {}},      {"24-bit, top-down", {.height = -2}},
        {"32-bit, alpha ignored", {.bitCount = 32}}, {"V5 header", {.infoBytes = 124}},
        {"one pixel", {.width = 1, .height = 1}},
    };
    for (const auto& row : rows) {
        const std::string file = Bmp(row.header);
        const std::optional<BmpLayout> layout = ReadBmpLayout(file, 16384);
        ASSERT_TRUE(layout) << row.what;
        const auto width = static_cast<uint32_t>(layout->width);
        const auto height = static_cast<uint32_t>(layout->height);
        std::vector<uint32_t> pixels(width * height, 0xDEADBEEF);
        CopyBmpPixels(file, *layout, pixels.data());
        for (uint32_t y = 0; y < height; ++y) {
            const uint32_t stored = layout->topDown ? y : height - 1 - y;
            for (uint32_t x = 0; x < width; ++x) {
                EXPECT_EQ(pixels[y * width + x], Expected(x, stored)) << row.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(BmpPixels, LeavesEveryOtherFileToTheSystem) {
    std::string truncated = Bmp({});
    truncated.resize(truncated.size() - 3 - 1);  // the last row's padding and one byte of its last pixel
    std::string unpadded = Bmp({});
    unpadded.resize(unpadded.size() - 3);
    const struct {
        const char* what;
        std::string file;
        bool read;
    } rows[] = {
        {"last row without its padding", unpadded, true},
        {"one byte short of the last pixel", truncated, false},
        {"empty", "", false},
        {"header only", Bmp({}).substr(0, 54), false},
        {"not BM", "XM" + Bmp({}).substr(2), false},
        {"palette", Bmp({.bitCount = 8}), false},
        {"16-bit", Bmp({.bitCount = 16}), false},
        {"run-length encoded", Bmp({.compression = 1}), false},
        {"bit fields", Bmp({.bitCount = 32, .compression = 3}), false},
        {"OS/2 core header", Bmp({.infoBytes = 12}), false},
        {"two planes", Bmp({.planes = 2}), false},
        {"zero width", Bmp({.width = 0}), false},
        {"negative width", Bmp({.width = -3}), false},
        {"zero height", Bmp({.height = 0}), false},
        {"wider than allowed", Bmp({.width = 16385, .height = 1}), false},
        {"taller than allowed, top-down", Bmp({.width = 1, .height = -16385}), false},
        {"pixels said to start inside the header", Bmp({.offsetShift = -2}), false},
        {"pixels said to start past the end", Bmp({.offsetShift = 4}), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadBmpLayout(row.file, 16384).has_value(), row.read) << row.what;
    }
}

TEST(BmpPixels, ExtremeSizesInTheHeaderAreRefusedWithoutReadingPastTheFile) {
    for (const int32_t height : {INT32_MIN, INT32_MAX, -1, 1 << 20}) {
        std::string file = Bmp({.width = 2, .height = 1});
        file[22] = static_cast<char>(height & 0xFF);
        file[23] = static_cast<char>((height >> 8) & 0xFF);
        file[24] = static_cast<char>((height >> 16) & 0xFF);
        file[25] = static_cast<char>((height >> 24) & 0xFF);
        const std::optional<BmpLayout> layout = ReadBmpLayout(file, 16384);
        EXPECT_EQ(layout.has_value(), height == -1) << height;
    }
}

}  // namespace
}  // namespace pixlin
