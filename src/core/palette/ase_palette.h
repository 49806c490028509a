#pragma once

#include <string>
#include <string_view>

#include "core/palette/palette.h"

namespace pixlin {

// An Adobe Swatch Exchange file (big-endian): "ASEF", version 1.0, the number of blocks, then the blocks, each a type,
// its length in bytes and its body. A colour block (type 1) holds its name (the number of UTF-16 code units with the
// closing NUL, then the units), the model ("RGB ", "CMYK", "LAB " or "Gray"), one float32 per component and the
// colour type (0 global, 1 spot, 2 normal). Group blocks (0xC001 with a name, 0xC002 empty) enclose colours.
//
// Writes each entry as a global RGB colour, all inside one group named after the palette when it has a name. A name
// longer than 65,534 code units is cut there.
std::string WriteAse(const Palette& palette);

// Keeps the RGB colours, each component clamped to 0..1 and rounded to 0..255, and counts colours of other models as
// skipped; the first group's name names the palette. Every length is checked against its block and the file, and a
// file that breaks one, or has a component that is no number, is refused with the block it happened in. Names are
// read up to their first NUL; a surrogate that is not half of a pair becomes U+FFFD, as a UTF-16 decoder on Windows
// shows it, so one odd name does not cost the whole palette. Blocks of unknown types and bytes after the last block
// are passed over.
PaletteRead ReadAse(std::string_view bytes);

}  // namespace pixlin
