#include "core/layout/layout_lines.h"

#include <cstddef>

namespace pixlin {

std::optional<std::string_view> TakeLayoutLine(std::string_view& rest) {
    if (rest.empty()) {
        return std::nullopt;
    }
    const std::size_t cr = rest.find('\r');
    if (cr == std::string_view::npos) {
        const std::string_view line = rest;
        rest = {};
        return line;
    }
    const std::string_view line = rest.substr(0, cr);
    const bool crLf = cr + 1 < rest.size() && rest[cr + 1] == '\n';
    rest.remove_prefix(cr + (crLf ? 2 : 1));
    return line;
}

std::vector<std::string_view> SplitLayoutLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (const auto line = TakeLayoutLine(bytes)) {
        lines.push_back(*line);
    }
    return lines;
}

}  // namespace pixlin
