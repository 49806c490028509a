#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/base/little_endian.h"
#include "skintool/check.h"
#include "skintool/json_report.h"
#include "skintool/preview.h"
#include "skintool/text_report.h"

namespace {

using pixlin::skintool::SkinFile;

SkinFile FileOf(std::string_view bytes) {
    SkinFile file;
    file.present = true;
    file.whole = true;
    file.size = bytes.size();
    file.bytes = bytes;
    return file;
}

}  // namespace

// The checker's whole path, from the bytes of a skin's three files through every decoder and finding to both
// reports and the preview. The input is the layout's and the sound's lengths (2 bytes each, little-endian), the
// layout, the sound, and the picture to the end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 4) {
        return 0;
    }
    const std::size_t layoutBytes = std::min<std::size_t>(pixlin::ReadLittle16(input, 0), input.size() - 4);
    const std::size_t soundBytes =
        std::min<std::size_t>(pixlin::ReadLittle16(input, 2), input.size() - 4 - layoutBytes);
    pixlin::skintool::SkinFiles files;
    files.layout = FileOf(input.substr(4, layoutBytes));
    files.sound = FileOf(input.substr(4 + layoutBytes, soundBytes));
    files.picture = FileOf(input.substr(4 + layoutBytes + soundBytes));

    // Small pictures keep every run quick; the decoders check any size the same way.
    const pixlin::PictureLimits limits{512, 512 * 512 * 4};
    const pixlin::skintool::SkinCheck check = pixlin::skintool::CheckSkin(files, limits);
    pixlin::skintool::TextReport("skin", check.findings);
    pixlin::skintool::JsonReport("skin", check.findings);
    const pixlin::skintool::SkinPicture& picture = check.picture;
    if (picture.outcome == pixlin::skintool::PictureOutcome::Decoded) {
        if (!limits.Allow(picture.width, picture.height) ||
            picture.pixels.size() !=
                static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
            std::abort();
        }
        pixlin::skintool::DrawPreview(picture, check.layout, 0.5);
    }
    return 0;
}
