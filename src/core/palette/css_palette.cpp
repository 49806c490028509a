#include "core/palette/css_palette.h"

#include <map>
#include <set>

#include "core/colour/css_text.h"

namespace pixlin {
namespace {

std::string SafeName(std::string_view name) {
    std::string safe;
    bool gap = false;
    for (const char c : name) {
        const bool upper = c >= 'A' && c <= 'Z';
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || upper) {
            if (gap && !safe.empty()) {
                safe += '-';
            }
            safe += upper ? static_cast<char>(c - 'A' + 'a') : c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return safe;
}

}  // namespace

std::string WriteCss(const Palette& palette) {
    std::string text = ":root {\n";
    std::set<std::string> taken;
    std::map<std::string, int> nextSuffix;  // so that many equal names cost no search from -2 each
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        const PaletteEntry& entry = palette.entries[i];
        std::string base = SafeName(entry.name);
        if (base.empty()) {
            base = "colour-" + std::to_string(i + 1);
        }
        std::string name = base;
        for (int& suffix = nextSuffix.try_emplace(base, 2).first->second; !taken.insert(name).second; ++suffix) {
            name = base + "-" + std::to_string(suffix);
        }
        text += "    --" + name + ": " + CssHexText(entry.colour) + ";\n";
    }
    return text + "}\n";
}

}  // namespace pixlin
