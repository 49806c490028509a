#include "core/palette/gpl_palette.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "core/palette/palette_text.h"

namespace pixlin {
namespace {

// A whole number 0 to 255 at the front of `text`, which moves past its digits; nothing for no digits or a larger
// number (`tooLarge` tells which).
std::optional<std::uint8_t> Channel(std::string_view& text, bool& tooLarge) {
    std::size_t digits = 0;
    unsigned value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[digits] - '0');
        ++digits;
        if (value > 255) {
            tooLarge = true;
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return static_cast<std::uint8_t>(value);
}

bool StartsWithBlank(std::string_view text) noexcept {
    return !text.empty() && (text.front() == ' ' || text.front() == '\t');
}

// The next line of `rest`, which moves past it and its ending (LF, CR LF or CR).
std::string_view NextLine(std::string_view& rest) noexcept {
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
    } else {
        rest.remove_prefix(end + (rest.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    return line;
}

std::string LineError(std::size_t number, const std::string& what) {
    return "Line " + std::to_string(number) + " of the GIMP palette " + what;
}

}  // namespace

std::string WriteGpl(const Palette& palette) {
    std::string text = "GIMP Palette\nName: " + OneLineName(palette.name) + "\nColumns: 8\n#\n";
    for (const PaletteEntry& entry : palette.entries) {
        char channels[16];
        std::snprintf(channels, sizeof(channels), "%3d %3d %3d", entry.colour.r, entry.colour.g, entry.colour.b);
        text += channels;
        text += '\t';
        text += OneLineName(entry.name);
        text += '\n';
    }
    return text;
}

PaletteRead ReadGpl(std::string_view bytes) {
    if (bytes.size() > kMaxPaletteBytes) {
        return PaletteError("The palette file is larger than 1 MB, far too large for a palette.");
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::string_view rest = bytes;
    if (TrimBlanks(NextLine(rest)) != "GIMP Palette") {
        return PaletteError("This is no GIMP palette: its first line is not \"GIMP Palette\".");
    }
    PaletteRead read;
    for (std::size_t number = 2; !rest.empty(); ++number) {
        const std::string_view line = TrimBlanks(NextLine(rest));
        if (line.empty() || line.front() == '#' || line.starts_with("Columns:")) {
            continue;
        }
        if (line.starts_with("Name:")) {
            read.palette.name = OneLineName(line.substr(5));
            continue;
        }
        std::string_view row = line;
        bool tooLarge = false;
        std::optional<std::uint8_t> channels[3];
        for (std::optional<std::uint8_t>& channel : channels) {
            row = TrimBlanks(row);
            channel = Channel(row, tooLarge);
            if (!channel || (!row.empty() && !StartsWithBlank(row))) {
                return PaletteError(LineError(number, tooLarge ? "has a number above 255: " + Quote(line) + "."
                                                               : "is no colour (red, green and blue from 0 to 255, "
                                                                 "then a name): " +
                                                                     Quote(line) + "."));
            }
        }
        if (read.palette.entries.size() == kMaxPaletteEntries) {
            return PaletteError("The GIMP palette holds more than " + std::to_string(kMaxPaletteEntries) +
                                " colours, more than Pixlin takes.");
        }
        read.palette.entries.push_back({Rgb{*channels[0], *channels[1], *channels[2]}, OneLineName(row)});
    }
    return read;
}

}  // namespace pixlin
