#include "core/colour/html.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "core/colour/colour_names.h"

namespace pixlin {
namespace {

constexpr std::size_t kCodeLength = 9;  // apostrophe, "#", six digits, apostrophe

constexpr std::optional<uint32_t> HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<uint32_t>(digit - '0');
    }
    // Lower-casing first means only ASCII letters can become code digits: no other character lowers to a..f.
    const char lowered = digit >= 'A' && digit <= 'Z' ? static_cast<char>(digit - 'A' + 'a') : digit;
    if (lowered >= 'a' && lowered <= 'f') {
        return static_cast<uint32_t>(lowered - 'a' + 10);
    }
    return std::nullopt;
}

// The six digits of a code as one number, or nothing when the text is not exactly a code.
constexpr std::optional<uint32_t> CodeKey(std::string_view code) {
    if (code.size() != kCodeLength || code.front() != '\'' || code[1] != '#' || code.back() != '\'') {
        return std::nullopt;
    }
    uint32_t key = 0;
    for (std::size_t i = 2; i < kCodeLength - 1; ++i) {
        const auto value = HexDigitValue(code[i]);
        if (!value) {
            return std::nullopt;
        }
        key = key * 16 + *value;
    }
    return key;
}

struct IndexEntry {
    uint32_t key;
    uint8_t position;  // into kNamedColours
};

// A sampling tick looks a name up every time the pointer moves, so the table is searched through a sorted
// index of its codes rather than scanned.
constexpr std::array<IndexEntry, kNamedColourCount> BuildIndex() {
    std::array<IndexEntry, kNamedColourCount> index{};
    for (std::size_t i = 0; i < kNamedColourCount; ++i) {
        index[i] = {*CodeKey(kNamedColours[i].code), static_cast<uint8_t>(i)};
    }
    std::sort(index.begin(), index.end(), [](const IndexEntry& a, const IndexEntry& b) { return a.key < b.key; });
    return index;
}

constexpr std::array<IndexEntry, kNamedColourCount> kIndex = BuildIndex();

static_assert(std::adjacent_find(kIndex.begin(),
                                 kIndex.end(),
                                 [](const IndexEntry& a, const IndexEntry& b) { return a.key == b.key; }) ==
                  kIndex.end(),
              "every code of the named-colour table must occur once");

}  // namespace

std::string RGB2HTML(int32_t RGB) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bits = static_cast<uint32_t>(RGB);
    std::string code(kCodeLength, '\'');
    code[1] = '#';
    for (int channel = 0; channel < 3; ++channel) {
        const uint32_t byte = (bits >> (8 * channel)) & 0xFFu;
        code[static_cast<std::size_t>(2 + 2 * channel)] = kDigits[byte >> 4];
        code[static_cast<std::size_t>(3 + 2 * channel)] = kDigits[byte & 0xFu];
    }
    return code;
}

std::string Farbtext(std::string_view Hexcode) {
    const auto key = CodeKey(Hexcode);
    if (!key) {
        return {};
    }
    const auto found = std::lower_bound(kIndex.begin(), kIndex.end(), *key,
                                        [](const IndexEntry& entry, uint32_t k) { return entry.key < k; });
    if (found == kIndex.end() || found->key != *key) {
        return {};
    }
    return std::string(kNamedColours[found->position].name);
}

}  // namespace pixlin
