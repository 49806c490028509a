#include "core/design/display_scale.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/base/exact_quotient.h"
#include "core/base/run_error.h"
#include "core/design/twips.h"

namespace pixlin {

int32_t DisplayScale::Pixels(float twips) const {
    const std::optional<SingleParts> length = ExactParts(twips);
    if (!length) {
        ThrowOverflow();
    }
    const std::optional<int32_t> pixels = RoundedQuotient(length->mantissa * dpi_, kTwipsPerInch, length->exponent);
    if (!pixels) {
        ThrowOverflow();
    }
    return *pixels;
}

int32_t DisplayScale::Pixels(int32_t pixelsAt100) const {
    const std::optional<int32_t> pixels = RoundedQuotient(static_cast<int64_t>(pixelsAt100) * dpi_, kStandardDpi);
    if (!pixels) {
        ThrowOverflow();
    }
    return *pixels;
}

float DisplayScale::Twips(int32_t pixels) const {
    return PixelsToTwips(pixels, TwipsPerPixel(dpi_));
}

PixelRect ToPixels(const TwipsRect& place, const DisplayScale& scale) {
    const int32_t left = scale.Pixels(place.left);
    const int32_t top = scale.Pixels(place.top);
    const int64_t right = static_cast<int64_t>(left) + scale.Pixels(place.width);
    const int64_t bottom = static_cast<int64_t>(top) + scale.Pixels(place.height);
    if (right > INT32_MAX || right < INT32_MIN || bottom > INT32_MAX || bottom < INT32_MIN) {
        ThrowOverflow();
    }
    return {left, top, static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
}

std::vector<RunRect> ScaleRuns(std::span<const RunRect> runs, const DisplayScale& scale) {
    std::vector<RunRect> scaled;
    scaled.reserve(runs.size());
    for (const RunRect& run : runs) {
        const RunRect physical{scale.Pixels(run.left), scale.Pixels(run.top), scale.Pixels(run.right),
                               scale.Pixels(run.bottom)};
        if (physical.left < physical.right && physical.top < physical.bottom) {
            scaled.push_back(physical);
        }
    }
    return scaled;
}

void BleedIntoKey(std::span<uint32_t> pixels, int32_t width, int32_t height, uint32_t key) {
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    const std::vector<uint32_t> original(pixels.begin(), pixels.end());
    const auto at = [&original, width](int32_t x, int32_t y) {
        return original[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    };
    // The diagonals too: a smooth filter reaches them, and at a rounded corner a key pixel may touch the shape only
    // there.
    constexpr int32_t kSteps[8][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (at(x, y) != key) {
                continue;
            }
            for (const auto& step : kSteps) {
                const int32_t nx = x + step[0];
                const int32_t ny = y + step[1];
                if (nx >= 0 && nx < width && ny >= 0 && ny < height && at(nx, ny) != key) {
                    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)] = at(nx, ny);
                    break;
                }
            }
        }
    }
}

}  // namespace pixlin
