#pragma once

#include <string>
#include <string_view>

#include "core/palette/palette.h"

namespace pixlin {

// A GIMP palette: the line "GIMP Palette", "Name: ...", "Columns: 8", a "#" line, then one line a colour,
// "R G B<tab>name" with each channel right-aligned in three places. Names lose control characters (each a blank) and
// blanks at either end, and become well-formed UTF-8, so that reading the file gives them back as written.
std::string WriteGpl(const Palette& palette);

// Takes what GIMP and other programs write: lines ending in LF, CR LF or CR, a UTF-8 byte order mark, "#" comments
// and blank lines anywhere, Name and Columns lines anywhere or missing, blanks and tabs between the numbers, rows
// without a name. A row that is not three whole numbers 0 to 255 (and a name) fails the whole file, naming its line.
PaletteRead ReadGpl(std::string_view bytes);

}  // namespace pixlin
