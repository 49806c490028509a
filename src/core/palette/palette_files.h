#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/palette/palette.h"

namespace pixlin {

enum class PaletteFormat { Gpl, Ase, Css, Json };

// The format a file name's extension gives, in any case: ".gpl", ".ase", ".css", ".json"; nothing for any other.
std::optional<PaletteFormat> PaletteFormatOf(std::string_view fileName) noexcept;
std::optional<PaletteFormat> PaletteFormatOf(std::wstring_view fileName) noexcept;

// Whether Pixlin reads the format back (a style sheet it only writes).
constexpr bool CanImport(PaletteFormat format) noexcept {
    return format != PaletteFormat::Css;
}

// The file's bytes in the format.
std::string WritePalette(PaletteFormat format, const Palette& palette);

// The format's reader; a style sheet gives an error.
PaletteRead ReadPalette(PaletteFormat format, std::string_view bytes);

}  // namespace pixlin
