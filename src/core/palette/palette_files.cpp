#include "core/palette/palette_files.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/palette/ase_palette.h"
#include "core/palette/css_palette.h"
#include "core/palette/gpl_palette.h"
#include "core/palette/json_palette.h"

namespace pixlin {
namespace {

constexpr std::array<std::pair<std::string_view, PaletteFormat>, 4> kExtensions{{
    {"gpl", PaletteFormat::Gpl},
    {"ase", PaletteFormat::Ase},
    {"css", PaletteFormat::Css},
    {"json", PaletteFormat::Json},
}};

template <typename Char>
std::optional<PaletteFormat> FormatOf(std::basic_string_view<Char> fileName) noexcept {
    constexpr Char kSeparators[] = {Char('/'), Char('\\'), Char(0)};
    const std::size_t dot = fileName.find_last_of(Char('.'));
    const std::size_t folderEnd = fileName.find_last_of(kSeparators);
    if (dot == fileName.npos || (folderEnd != fileName.npos && dot < folderEnd)) {
        return std::nullopt;
    }
    const std::basic_string_view<Char> extension = fileName.substr(dot + 1);
    for (const auto& [name, format] : kExtensions) {
        const bool same = extension.size() == name.size() &&
                          std::equal(name.begin(), name.end(), extension.begin(), [](char wanted, Char c) {
                              return c == Char(wanted) || c == Char(wanted - 'a' + 'A');
                          });
        if (same) {
            return format;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PaletteFormat> PaletteFormatOf(std::string_view fileName) noexcept {
    return FormatOf(fileName);
}

std::optional<PaletteFormat> PaletteFormatOf(std::wstring_view fileName) noexcept {
    return FormatOf(fileName);
}

std::string WritePalette(PaletteFormat format, const Palette& palette) {
    switch (format) {
        case PaletteFormat::Gpl:
            return WriteGpl(palette);
        case PaletteFormat::Ase:
            return WriteAse(palette);
        case PaletteFormat::Css:
            return WriteCss(palette);
        case PaletteFormat::Json:
            return WriteJsonPalette(palette);
    }
    return {};
}

PaletteRead ReadPalette(PaletteFormat format, std::string_view bytes) {
    switch (format) {
        case PaletteFormat::Gpl:
            return ReadGpl(bytes);
        case PaletteFormat::Ase:
            return ReadAse(bytes);
        case PaletteFormat::Css:
            break;
        case PaletteFormat::Json:
            return ReadJsonPalette(bytes);
    }
    return PaletteError("Pixlin writes style sheets but does not read them as palettes.");
}

}  // namespace pixlin
