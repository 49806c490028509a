#include "core/palette/palette_text.h"

#include "core/palette/utf8_text.h"

namespace pixlin {

std::string_view TrimBlanks(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string OneLineName(std::string_view name) {
    std::string line;
    for (std::size_t at = 0; at < name.size();) {
        const char32_t code = NextCodePoint(name, at);
        AppendUtf8(line, code < 0x20 || code == 0x7F ? U' ' : code);
    }
    return std::string(TrimBlanks(line));
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kMaxQuoted = 40;
    std::string quoted = "\"";
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        if (count == kMaxQuoted) {
            return quoted + "...\"";
        }
        const char32_t code = NextCodePoint(text, at);
        AppendUtf8(quoted, code < 0x20 || code == 0x7F ? U' ' : code);
    }
    return quoted + "\"";
}

}  // namespace pixlin
