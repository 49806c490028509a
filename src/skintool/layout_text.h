#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin::skintool {

// Where each line starts as an editor shows the file: CR LF, a lone CR and a lone LF each end a line.
class EditorLines {
public:
    explicit EditorLines(std::string_view bytes);

    // The editor's line number (from 1) of the byte at `offset`.
    std::int32_t LineAt(std::size_t offset) const;

private:
    std::vector<std::size_t> starts_;
};

struct LineEndCounts {
    std::size_t crLf = 0;
    std::size_t cr = 0;
    std::size_t lf = 0;
};

LineEndCounts CountLineEnds(std::string_view bytes);

// The text as it can be quoted in a report: printable ASCII as it is, everything else as \r, \n, \t or \xNN.
std::string Quoted(std::string_view text);

// The text without spaces, tabs and line feeds, which the number reader drops.
std::string WithoutBlanks(std::string_view text);

std::string_view TrimBlanks(std::string_view text);

// Whether the text, blanks removed, is a decimal number and nothing else: sign, digits with at most one point,
// exponent.
bool IsPlainNumber(std::string_view compact);

std::size_t EditDistance(std::string_view a, std::string_view b);

// Appends the item to a list, after the separator unless the list is empty.
void AppendToList(std::string& list, std::string_view item, std::string_view separator = ", ");

std::string Lowercase(std::string_view text);

// A number as a report shows it: whole numbers without a point, others with up to 6 significant digits.
std::string NumberText(double value);

}  // namespace pixlin::skintool
