#pragma once

#include <cstdlib>

#include "core/palette/palette.h"
#include "core/palette/palette_files.h"
#include "core/palette/utf8_text.h"

namespace pixlin {

// What the window may rely on from any palette reader, and that writing the palette in the same format and reading
// it back gives the same colours and names.
inline void CheckPalette(PaletteFormat format, const PaletteRead& read) {
    if (!read.error.empty()) {
        // A short message box text: about 100 characters and a quote of at most 40, at most 4 bytes each.
        if (!read.palette.entries.empty() || read.error.size() > 300 || ValidUtf8(read.error) != read.error) {
            std::abort();
        }
        return;
    }
    if (read.palette.entries.size() > kMaxPaletteEntries || ValidUtf8(read.palette.name) != read.palette.name) {
        std::abort();
    }
    for (const PaletteEntry& entry : read.palette.entries) {
        if (ValidUtf8(entry.name) != entry.name) {
            std::abort();
        }
    }
    const PaletteRead again = ReadPalette(format, WritePalette(format, read.palette));
    if (!again.error.empty() || again.skipped != 0 || again.palette.entries != read.palette.entries ||
        again.palette.name != read.palette.name) {
        std::abort();
    }
}

}  // namespace pixlin
