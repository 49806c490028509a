#pragma once

// The reference colours that every test tier samples, with the text each readout must show for them. One table,
// tests/support/reference_colours.tsv, serves the C++ tests (built in as kReferenceColoursTsv) and the end-to-end
// scripts alike; its first line names the columns.

#include "reference_colours_tsv.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::testing {

struct ReferenceColour {
    std::uint32_t colour = 0;  // 0x00BBGGRR, from the table's rrggbb
    std::string rgb;
    std::string hex;
    std::string longValue;
    std::string hls;
    std::string cmy;
    std::string cmyk;
    std::string ycbcr;
    std::string name;  // empty for a colour without a name
};

namespace detail {

inline std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

}  // namespace detail

// The table's rows in order. Columns are found by their names, so the table may order them as it likes.
inline std::vector<ReferenceColour> ReferenceColours() {
    const std::vector<std::string_view> lines = detail::Split(kReferenceColoursTsv, '\n');
    const std::vector<std::string_view> columns = detail::Split(lines.front(), '\t');
    std::vector<ReferenceColour> table;
    for (std::size_t line = 1; line < lines.size(); ++line) {
        if (lines[line].empty()) {
            continue;
        }
        const std::vector<std::string_view> fields = detail::Split(lines[line], '\t');
        ReferenceColour row;
        for (std::size_t i = 0; i < columns.size() && i < fields.size(); ++i) {
            const std::string field(fields[i]);
            const std::string_view column = columns[i];
            if (column == "colour") {
                const unsigned long rrggbb = std::strtoul(field.c_str(), nullptr, 16);
                row.colour =
                    static_cast<std::uint32_t>((rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16);
            } else if (column == "rgb") {
                row.rgb = field;
            } else if (column == "hex") {
                row.hex = field;
            } else if (column == "long") {
                row.longValue = field;
            } else if (column == "hls") {
                row.hls = field;
            } else if (column == "cmy") {
                row.cmy = field;
            } else if (column == "cmyk") {
                row.cmyk = field;
            } else if (column == "ycbcr") {
                row.ycbcr = field;
            } else if (column == "name") {
                row.name = field;
            }
        }
        table.push_back(std::move(row));
    }
    return table;
}

}  // namespace pixlin::testing
