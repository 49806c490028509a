#include "skintool/layout_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace pixlin::skintool {

EditorLines::EditorLines(std::string_view bytes) : starts_{0} {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            starts_.push_back(i + 1);
        }
    }
}

std::int32_t EditorLines::LineAt(std::size_t offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<std::int32_t>(after - starts_.begin());
}

LineEndCounts CountLineEnds(std::string_view bytes) {
    LineEndCounts counts;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++counts.crLf;
            ++i;
        } else if (bytes[i] == '\r') {
            ++counts.cr;
        } else if (bytes[i] == '\n') {
            ++counts.lf;
        }
    }
    return counts;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    return compact;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsPlainNumber(std::string_view compact) {
    std::size_t i = 0;
    const auto digits = [&compact, &i] {
        const std::size_t start = i;
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            ++i;
        }
        return i - start;
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        ++i;
        if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == compact.size();
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

void AppendToList(std::string& list, std::string_view item, std::string_view separator) {
    if (!list.empty()) {
        list += separator;
    }
    list += item;
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

std::string NumberText(double value) {
    char text[32];
    if (std::abs(value) < 1e15 && value == std::floor(value)) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.6g", value);
    }
    return text;
}

}  // namespace pixlin::skintool
