#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/picture/bmp_pixels.h"
#include "core/picture/bmp_variants.h"

// Whatever the header says, the pixels copied never reach past the file, which the address sanitizer checks; both
// the picker's reader of plain BMPs and the checker's reader of every variant.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    // Small sides keep every run quick; the checks on the header are the same for any limit.
    const std::optional<pixlin::BmpLayout> layout = pixlin::ReadBmpLayout(file, 256);
    if (layout) {
        if (layout->width < 1 || layout->height < 1 || layout->width > 256 || layout->height > 256) {
            std::abort();
        }
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout->width) *
                                          static_cast<std::size_t>(layout->height));
        pixlin::CopyBmpPixels(file, *layout, pixels.data());
    }
    const pixlin::BmpPicture any = pixlin::DecodeAnyBmp(file, 256, 256 * 256 * 4);
    if (any.outcome == pixlin::BmpOutcome::Decoded &&
        (any.width < 1 || any.height < 1 || any.width > 256 || any.height > 256 ||
         any.pixels.size() != static_cast<std::size_t>(any.width) * static_cast<std::size_t>(any.height))) {
        std::abort();
    }
    return 0;
}
