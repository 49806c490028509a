#include "core/palette/json_palette.h"

#include <optional>

#include "core/colour/css_text.h"
#include "core/palette/json_document.h"

namespace pixlin {
namespace {

constexpr std::string_view kFormat = "pixlin-palette";
constexpr int kVersion = 1;

using nlohmann::json;

// The text of an optional "name" member, or nothing when it is there but no text.
std::optional<std::string> NameOf(const json& object) {
    const auto name = object.find("name");
    if (name == object.end()) {
        return std::string();
    }
    if (!name->is_string()) {
        return std::nullopt;
    }
    return name->get<std::string>();
}

}  // namespace

std::string WriteJsonPalette(const Palette& palette) {
    json colours = json::array();
    for (const PaletteEntry& entry : palette.entries) {
        colours.push_back({{"hex", CssHexText(entry.colour)}, {"name", entry.name}});
    }
    return JsonText({{"format", kFormat}, {"version", kVersion}, {"name", palette.name}, {"colours", colours}});
}

PaletteRead ReadJsonPalette(std::string_view bytes) {
    if (bytes.size() > kMaxPaletteBytes) {
        return PaletteError("The palette file is larger than 1 MB, far too large for a palette.");
    }
    const JsonDocument document = ParseJson(bytes);
    if (!document.error.empty()) {
        return PaletteError("The palette file " + document.error + ".");
    }
    const json& root = document.value;
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || *format != kFormat) {
        return PaletteError("This JSON file is no Pixlin palette: it lacks \"format\": \"pixlin-palette\".");
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || *version < 1) {
        return PaletteError("The palette file has no \"version\" Pixlin knows.");
    }
    if (*version > kVersion) {
        return PaletteError("The palette file was written by a newer Pixlin (version " + version->dump() +
                            "); this one reads version 1.");
    }
    const std::optional<std::string> name = NameOf(root);
    const auto colours = root.find("colours");
    if (!name || colours == root.end() || !colours->is_array()) {
        return PaletteError("The palette file has no list of \"colours\", or a \"name\" that is no text.");
    }
    if (colours->size() > kMaxPaletteEntries) {
        return PaletteError("The palette file holds more than " + std::to_string(kMaxPaletteEntries) +
                            " colours, more than Pixlin takes.");
    }
    PaletteRead read;
    read.palette.name = *name;
    for (std::size_t i = 0; i < colours->size(); ++i) {
        const json& entry = (*colours)[i];
        const auto hex = entry.is_object() ? entry.find("hex") : entry.end();
        const std::optional<Rgb> colour = entry.is_object() && hex != entry.end() && hex->is_string()
                                              ? ColourOfCssHex(hex->get_ref<const std::string&>())
                                              : std::nullopt;
        const std::optional<std::string> entryName = colour ? NameOf(entry) : std::nullopt;
        if (!entryName) {
            return PaletteError("Colour " + std::to_string(i + 1) +
                                " of the palette file has no \"hex\" like \"#FF8000\", or a \"name\" that is no text.");
        }
        read.palette.entries.push_back({*colour, *entryName});
    }
    return read;
}

}  // namespace pixlin
