#pragma once

#include <string>
#include <string_view>

#include "core/palette/palette.h"

namespace pixlin {

// Pixlin's own palette file, UTF-8 JSON:
//
//   {
//     "colours": [
//       {"hex": "#FF8000", "name": "orange"},
//       {"hex": "#1E90FF", "name": ""}
//     ],
//     "format": "pixlin-palette",
//     "name": "Autumn",
//     "version": 1
//   }
//
// (written with the members in alphabetical order, indented two blanks a level).
// "format" and "version" say what the file is; "colours" holds the entries in order, each "hex" as "#RRGGBB" (either
// case when read) and a "name" that may be empty.
std::string WriteJsonPalette(const Palette& palette);

// Strict about what it uses: "format" must be "pixlin-palette", "version" a whole number (above 1: written by a newer
// Pixlin, refused), "colours" an array of objects with a "hex" colour; "name", at the top and in an entry, may be
// missing but is text when present. Anything else in the file is passed over, so later versions can add to it.
PaletteRead ReadJsonPalette(std::string_view bytes);

}  // namespace pixlin
