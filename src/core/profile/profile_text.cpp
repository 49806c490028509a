#include "core/profile/profile_text.h"

namespace pixlin {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsBlank(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF;
}

bool IsCharacter(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF) && (c < 0xFDD0 || c > 0xFDEF) && (c & 0xFFFE) != 0xFFFE;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u32string CodePointsOfUtf16Be(std::string_view bytes) {
    std::u32string out;
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 |
                                                static_cast<unsigned char>(bytes[2 * i + 1]));
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const auto next = static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i + 2]) << 8 |
                                                    static_cast<unsigned char>(bytes[2 * i + 3]));
            if (next >= 0xDC00 && next <= 0xDFFF) {
                out += 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
                ++i;
                continue;
            }
        }
        out += unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit;
    }
    return out;
}

std::u32string CodePointsOfLatin1(std::string_view bytes) {
    std::u32string out;
    for (const char byte : bytes) {
        out += static_cast<char32_t>(static_cast<unsigned char>(byte));
    }
    return out;
}

std::string ShowableText(std::u32string_view text) {
    std::string out;
    std::size_t chars = 0;
    bool blankPending = false;
    for (const char32_t c : text) {
        if (chars == kMaxProfileTextChars) {
            break;
        }
        if (IsBlank(c)) {
            blankPending = chars > 0;
            continue;
        }
        if (blankPending) {
            if (chars + 1 == kMaxProfileTextChars) {
                break;
            }
            out += ' ';
            ++chars;
            blankPending = false;
        }
        AppendUtf8(out, IsCharacter(c) ? c : kReplacement);
        ++chars;
    }
    return out;
}

}  // namespace pixlin
