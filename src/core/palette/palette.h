#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/colour/rgb.h"

namespace pixlin {

// One colour of a palette file; the name is UTF-8 and may be empty.
struct PaletteEntry {
    Rgb colour;
    std::string name;

    bool operator==(const PaletteEntry&) const = default;
};

struct Palette {
    std::string name;  // UTF-8, may be empty
    std::vector<PaletteEntry> entries;
};

// What a reader made of a file. On an error the message says what is wrong and where, in a short English sentence fit
// for a message box, and there are no entries; otherwise the message is empty.
struct PaletteRead {
    Palette palette;
    std::size_t skipped = 0;  // colours the file holds in a form Pixlin does not take (CMYK, Lab, grey)
    std::string error;
};

// No palette comes near these; a larger file is refused before it is read, so a damaged or hostile one cannot take
// much memory or time.
inline constexpr std::size_t kMaxPaletteBytes = 1024 * 1024;
inline constexpr std::size_t kMaxPaletteEntries = 4096;

// A failed read with its message.
inline PaletteRead PaletteError(std::string message) {
    PaletteRead read;
    read.error = std::move(message);
    return read;
}

}  // namespace pixlin
