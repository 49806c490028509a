#include "skintool/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace pixlin::skintool {
namespace {

// The length of the valid UTF-8 sequence at the start of `text` and its code point, or 0.
std::size_t Utf8Length(std::string_view text, std::uint32_t& codePoint) {
    const auto byte = [&text](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
    };
    const std::uint32_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t least = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = codePoint << 6 | (byte(i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < least || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

bool IsControl(std::uint32_t codePoint) {
    const bool bidi = (codePoint >= 0x202A && codePoint <= 0x202E) || (codePoint >= 0x2066 && codePoint <= 0x2069);
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 || codePoint == 0x2029 ||
           bidi;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += escaped;
    }
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::uint32_t codePoint = 0;
        const std::size_t length = Utf8Length(text, codePoint);
        if (length == 0) {
            AppendEscaped(out, text.substr(0, 1));
            text.remove_prefix(1);
            continue;
        }
        if (IsControl(codePoint)) {
            AppendEscaped(out, text.substr(0, length));
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace pixlin::skintool
