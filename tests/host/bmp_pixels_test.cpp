#include "core/picture/bmp_pixels.h"

#include "support/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixlin {
namespace {

using Header = testing::BmpHeader;

uint32_t Expected(uint32_t x, uint32_t storedRow) {
    return (0x80 + x + storedRow) << 16 | storedRow << 8 | x;
}

// A BMP whose pixel (x, y), counted in stored order, has blue x, green y and red 0x80 + x + y; a 32-bit pixel's
// fourth byte is 0x7F.
std::string Bmp(const Header& header) {
    return testing::BmpFile(header, [](uint32_t x, uint32_t storedRow) { return 0x7F000000 | Expected(x, storedRow); });
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
