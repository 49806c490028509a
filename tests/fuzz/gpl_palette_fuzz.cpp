#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/palette/gpl_palette.h"
#include "palette_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pixlin::PaletteRead read = pixlin::ReadGpl(bytes);
    // A GIMP palette names no colour it cannot take.
    if (read.skipped != 0) {
        std::abort();
    }
    pixlin::CheckPalette(pixlin::PaletteFormat::Gpl, read);
    return 0;
}
