#pragma once

#include <cstdint>
#include <vector>

#include "skintool/control_places.h"
#include "skintool/image.h"
#include "skintool/skin_picture.h"

namespace pixlin::skintool {

inline constexpr std::uint32_t kCheckerLight = 0xCCCCCC;
inline constexpr std::uint32_t kCheckerDark = 0x999999;
// Side of one checkerboard square, in preview pixels.
inline constexpr std::int32_t kCheckerSquare = 8;

// The colour the preview's readouts show, named in the picker's colour table.
inline constexpr std::int32_t kSampleColour = 0x507FFF;

// A larger preview is refused: its pixels alone would take gigabytes.
inline constexpr std::uint64_t kMaxPreviewPixels = std::uint64_t{64} << 20;

struct PreviewSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    std::uint64_t Pixels() const { return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height); }
};

// The sides of the picture enlarged by `scale`, at least 1 pixel each.
PreviewSize PreviewSizeOf(const SkinPicture& picture, double scale);

// The skin bitmap enlarged by `scale` with nearest-neighbour sampling, its cut-out drawn as a grey checkerboard.
Image DrawSkin(const SkinPicture& picture, double scale);

// The skin as the picker shows it at `scale` times 96 dpi: the readouts, the state text and the name box with the
// picker's texts for the sample colour, in the picker's fonts and cut where the picker cuts them, the swatch in the
// sample colour, and each control's box outlined and named. Without the fonts (FontProblem) the texts are left out.
Image DrawPreview(const SkinPicture& picture, const WindowLayout& layout, double scale);

}  // namespace pixlin::skintool
