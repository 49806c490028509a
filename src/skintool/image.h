#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixlin::skintool {

struct Image {
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Rows top-down, 3 bytes (red, green, blue) per pixel.
    std::vector<std::uint8_t> rgb;

    std::size_t Offset(std::int32_t x, std::int32_t y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    }
    // 0xRRGGBB; x and y inside the image.
    std::uint32_t At(std::int32_t x, std::int32_t y) const {
        const std::size_t at = Offset(x, y);
        return std::uint32_t{rgb[at]} << 16 | std::uint32_t{rgb[at + 1]} << 8 | rgb[at + 2];
    }
};

// An image of the given size, every pixel `rgb`.
inline Image FilledImage(std::int32_t width, std::int32_t height, std::uint32_t rgb) {
    Image image{width, height, {}};
    image.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (std::size_t at = 0; at < image.rgb.size(); at += 3) {
        image.rgb[at] = static_cast<std::uint8_t>(rgb >> 16);
        image.rgb[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
        image.rgb[at + 2] = static_cast<std::uint8_t>(rgb);
    }
    return image;
}

}  // namespace pixlin::skintool
