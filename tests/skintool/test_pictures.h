#pragma once

#include <stb_image_write.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixlin::skintool::test {

struct Rgba {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> bytes;

    void Set(std::int32_t x, std::int32_t y, std::uint32_t rgb, std::uint8_t alpha = 255) {
        const std::size_t at =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
        bytes[at] = static_cast<std::uint8_t>(rgb >> 16);
        bytes[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
        bytes[at + 2] = static_cast<std::uint8_t>(rgb);
        bytes[at + 3] = alpha;
    }
};

inline Rgba Filled(std::int32_t width, std::int32_t height, std::uint32_t rgb) {
    Rgba picture{width, height,
                 std::vector<std::uint8_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)};
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            picture.Set(x, y, rgb);
        }
    }
    return picture;
}

inline void Append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

enum class Encoding { Png, PngWithAlpha, Bmp, Jpeg };

// The picture as a file of the encoding, made by stb_image_write as an author's editor would.
inline std::string Encode(const Rgba& picture, Encoding encoding) {
    std::string file;
    std::vector<std::uint8_t> rgb;
    for (std::size_t i = 0; i < picture.bytes.size(); i += 4) {
        rgb.insert(rgb.end(), picture.bytes.begin() + static_cast<std::ptrdiff_t>(i),
                   picture.bytes.begin() + static_cast<std::ptrdiff_t>(i) + 3);
    }
    switch (encoding) {
        case Encoding::Png:
            stbi_write_png_to_func(Append, &file, picture.width, picture.height, 3, rgb.data(), picture.width * 3);
            break;
        case Encoding::PngWithAlpha:
            stbi_write_png_to_func(Append, &file, picture.width, picture.height, 4, picture.bytes.data(),
                                   picture.width * 4);
            break;
        case Encoding::Bmp:
            stbi_write_bmp_to_func(Append, &file, picture.width, picture.height, 3, rgb.data());
            break;
        case Encoding::Jpeg:
            stbi_write_jpg_to_func(Append, &file, picture.width, picture.height, 3, rgb.data(), 50);
            break;
    }
    return file;
}

// The PNG with the sides its header claims changed, its checksum made right again, as a hostile author would.
inline std::string WithClaimedSize(std::string png, std::uint32_t width, std::uint32_t height) {
    const auto put32 = [&png](std::size_t at, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            png[at + i] = static_cast<char>(value >> (24 - 8 * i));
        }
    };
    put32(16, width);
    put32(20, height);
    // The checksum covers the chunk's type and its 13 bytes of data.
    put32(29, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17)));
    return png;
}

}  // namespace pixlin::skintool::test
