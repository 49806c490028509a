#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/palette/ase_palette.h"
#include "palette_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pixlin::PaletteRead read = pixlin::ReadAse(bytes);
    pixlin::CheckPalette(pixlin::PaletteFormat::Ase, read);
    // The same colours go through the other formats too; a GIMP palette keeps the names but for control characters.
    if (read.error.empty()) {
        for (const pixlin::PaletteFormat format : {pixlin::PaletteFormat::Gpl, pixlin::PaletteFormat::Json}) {
            const pixlin::PaletteRead other = pixlin::ReadPalette(format, pixlin::WritePalette(format, read.palette));
            if (!other.error.empty() || other.palette.entries.size() != read.palette.entries.size()) {
                std::abort();
            }
            for (std::size_t i = 0; i < other.palette.entries.size(); ++i) {
                if (!(other.palette.entries[i].colour == read.palette.entries[i].colour)) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
