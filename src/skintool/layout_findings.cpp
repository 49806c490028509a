#include "skintool/layout_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "core/colour/rounding.h"
#include "core/layout/number_reader.h"
#include "core/layout/skin_limits.h"
#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Keys this far from a known key are taken for a misspelling of it.
constexpr std::size_t kMaxMisspelling = 2;

std::string KeyList() {
    std::string keys;
    for (const LayoutKeyRow& row : kLayoutKeys) {
        AppendToList(keys, row.name);
    }
    return keys;
}

std::string ValueNames(const LayoutKeyRow& row) {
    std::string names;
    for (const LayoutField field : row.fields) {
        AppendToList(names, FieldName(field));
    }
    return names;
}

std::string MiB(std::uint64_t bytes) {
    return NumberText(std::round(static_cast<double>(bytes) / (1024.0 * 1024.0) * 10) / 10) + " MiB";
}

class LayoutChecker {
public:
    explicit LayoutChecker(std::string_view bytes) : bytes_(bytes) {}

    LayoutCheck Check(std::uint64_t fileBytes, std::optional<PixelRect> window) {
        LayoutCheck check;
        if (RefuseLayoutFile(fileBytes)) {
            Add(Severity::Error, 0, "layout-too-large",
                "the file is " + MiB(fileBytes) + ", over the picker's limit of " + MiB(kMaxLayoutBytes) +
                    ": the picker refuses it unread, says the file is too large and ends",
                "keep the layout to one short line per control");
            check.reading = ReadLayout(bytes_, fileBytes, window);
            check.findings = std::move(findings_);
            return check;
        }
        const bool utf16 = bytes_.starts_with("\xFF\xFE") || bytes_.starts_with("\xFE\xFF");
        if (bytes_.empty()) {
            Add(Severity::Info, 0, "empty-layout", "the layout file is empty: every control keeps its built-in place",
                "");
        } else if (utf16) {
            Add(Severity::Warning, 1, "utf16",
                "the file is saved as UTF-16: the picker reads 8-bit text, so no line of it works",
                "save the file as ANSI (8-bit) text");
        } else {
            CheckLineEnds();
        }
        bool first = true;
        check.reading =
            ReadLayout(bytes_, fileBytes, window,
                       [&](std::string_view line, std::int32_t number, std::span<const LayoutAssignment> taken) {
                           if (!utf16) {
                               CheckLine(line, number, taken, first);
                           }
                           first = false;
                       });
        check.findings = std::move(findings_);
        return check;
    }

private:
    void Add(Severity severity, std::int32_t line, std::string kind, std::string message, std::string fix) {
        findings_.push_back(
            Finding{severity, std::string(kLayoutFile), line, std::move(kind), std::move(message), std::move(fix)});
    }

    void CheckLineEnds() {
        const LineEndCounts ends = CountLineEnds(bytes_);
        if (ends.crLf > 0 && ends.cr > 0) {
            Add(Severity::Info, 0, "mixed-line-ends",
                "mixed line ends (" + std::to_string(ends.crLf) + " CR LF, " + std::to_string(ends.cr) +
                    " lone CR): the picker takes both",
                "");
        }
    }

    // A lone LF does not end a line for the picker: the editor lines it joins are one line, and only the key at its
    // start counts.
    void CheckJoinedLines(std::string_view line, std::int32_t number) {
        std::vector<std::string> lostKeys;
        std::string_view rest = line.substr(line.find('\n') + 1);
        for (;;) {
            const std::string_view piece = rest.substr(0, rest.find('\n'));
            const std::string key(TrimBlanks(piece.substr(0, piece.find('='))));
            if (!key.empty()) {
                lostKeys.push_back(key);
            }
            if (piece.size() == rest.size()) {
                break;
            }
            rest.remove_prefix(piece.size() + 1);
        }
        const std::int32_t last = number + static_cast<std::int32_t>(std::count(line.begin(), line.end(), '\n'));
        std::string lost;
        for (const std::string& key : lostKeys) {
            AppendToList(lost, Quoted(key));
        }
        Add(Severity::Warning, number, "lf-line-ends",
            "lines " + std::to_string(number) + " to " + std::to_string(last) +
                " end in a lone LF, which is no line end to the picker: they are one line, and only its first key "
                "counts" +
                (lost.empty() ? std::string() : "; " + lost + (lostKeys.size() == 1 ? " does" : " do") + " nothing"),
            "save the file with Windows line ends (CR LF)");
    }

    void CheckLine(std::string_view line, std::int32_t number, std::span<const LayoutAssignment> taken, bool first) {
        if (line.find('\n') != std::string_view::npos) {
            CheckJoinedLines(line, number);
            // What follows the first lone LF has been reported as lost; the key at the start reads the same
            // without it.
            line = line.substr(0, line.find('\n'));
        }
        const bool bom = first && line.starts_with(kUtf8Bom);
        if (bom) {
            const std::string_view withoutBom = line.substr(kUtf8Bom.size());
            const std::string key(withoutBom.substr(0, withoutBom.find('=')));
            Add(Severity::Warning, number, "bom",
                "the file starts with a UTF-8 byte-order mark, which becomes part of the first key " + Quoted(key) +
                    ": line 1 does nothing",
                "save the file without a byte-order mark (ANSI, or UTF-8 without BOM)");
        }
        if (TrimBlanks(line).empty()) {
            return;
        }
        const std::optional<LayoutLineParts> parts = SplitLayoutLine(line);
        if (!parts) {
            const std::string_view text = TrimBlanks(line);
            const std::optional<std::string> meant = MeantKey(text.substr(0, text.find_first_of(" \t,")));
            Add(Severity::Warning, number, "no-equals", "no \"=\" on this line: the picker ignores it",
                meant ? "write " + Quoted(*meant + "=") + " followed by its values" : "remove the line");
            return;
        }
        if (const LayoutKeyRow* row = FindLayoutKey(parts->key)) {
            CheckKnownKeyLine(*row, *parts, taken, number);
        } else if (!bom) {
            CheckUnknownKey(parts->key, number);
        }
    }

    static std::optional<std::string> MeantKey(std::string_view word) {
        const std::string lower = Lowercase(TrimBlanks(word));
        std::optional<std::string> nearest;
        std::size_t best = kMaxMisspelling + 1;
        for (const LayoutKeyRow& row : kLayoutKeys) {
            const std::size_t distance = EditDistance(lower, row.name);
            if (distance < best) {
                best = distance;
                nearest = std::string(row.name);
            }
        }
        return nearest;
    }

    void CheckUnknownKey(std::string_view key, std::int32_t number) {
        const std::string lower = Lowercase(TrimBlanks(key));
        if (FindLayoutKey(lower)) {
            Add(Severity::Warning, number, "key-variant",
                Quoted(key) + " is not the key " + Quoted(lower) +
                    ": keys are lower case with no blanks around them, so the line does nothing",
                "write " + Quoted(lower + "=") + " at the start of the line");
        } else if (const std::optional<std::string> meant = MeantKey(key)) {
            Add(Severity::Warning, number, "unknown-key",
                "unknown key " + Quoted(key) + " (the nearest known key is " + Quoted(*meant) +
                    "): the line does nothing",
                "write " + Quoted(*meant + "="));
        } else {
            Add(Severity::Warning, number, "unknown-key", "unknown key " + Quoted(key) + ": the line does nothing",
                "use one of the keys " + KeyList());
        }
    }

    static bool Took(std::span<const LayoutAssignment> taken, LayoutField field) {
        return std::any_of(taken.begin(), taken.end(), [field](const LayoutAssignment& a) { return a.field == field; });
    }

    void CheckKnownKeyLine(const LayoutKeyRow& row,
                           const LayoutLineParts& parts,
                           std::span<const LayoutAssignment> taken,
                           std::int32_t number) {
        const std::string key(row.name);
        const std::size_t wanted = row.fields.size();
        if (!parts.ignored.empty()) {
            Add(Severity::Warning, number, "second-equals",
                "everything after the second \"=\" is ignored: " + Quoted(parts.ignored),
                "remove the text from the second \"=\" on");
        }
        if (WithoutBlanks(parts.valueText).empty()) {
            Add(Severity::Warning, number, "no-values", Quoted(key + "=") + " has no values: nothing is set",
                "write " + std::to_string(wanted) + " values: " + ValueNames(row));
            return;
        }
        std::vector<std::string_view> values;
        ForEachLayoutValue(row, parts.valueText, SIZE_MAX,
                           [&values](std::size_t, std::string_view text) { values.push_back(text); });
        for (std::size_t i = 0; i < values.size() && i < wanted; ++i) {
            CheckValue(row, i, values[i], taken, number);
        }
        if (values.size() < wanted) {
            std::string kept;
            for (std::size_t i = values.size(); i < wanted; ++i) {
                AppendToList(kept, FieldName(row.fields[i]));
            }
            Add(Severity::Warning, number, "few-values",
                key + " takes " + std::to_string(wanted) + " values (" + ValueNames(row) + "); this line has " +
                    std::to_string(values.size()) + ", so " + kept +
                    (wanted - values.size() == 1 ? " keeps its" : " keep their") + " earlier or built-in value" +
                    (wanted - values.size() == 1 ? "" : "s"),
                "give all " + std::to_string(wanted) + " values");
        } else if (values.size() > wanted) {
            std::string extra;
            for (std::size_t i = wanted; i < values.size(); ++i) {
                AppendToList(extra, values[i], ",");
            }
            Add(Severity::Warning, number, "extra-values",
                key + " takes " + std::to_string(wanted) + " values (" + ValueNames(row) + "); the rest, " +
                    Quoted(extra) + ", is ignored",
                "remove the values after the " + std::to_string(wanted) + "th");
        }
        for (const LayoutAssignment& assignment : taken) {
            if (assignment.field == LayoutField::Alpha) {
                CheckAlpha(static_cast<std::int16_t>(assignment.amount), number);
            }
        }
        for (std::size_t i = 0; i < values.size() && i < wanted; ++i) {
            if (row.fields[i] == LayoutField::Factor) {
                CheckLoupeFactor(values[i], taken, number);
            }
            if (row.fields[i] == LayoutField::Count) {
                CheckHistoryCount(values[i], taken, number);
            }
        }
        CheckOverrides(row, taken, number);
    }

    void CheckValue(const LayoutKeyRow& row,
                    std::size_t index,
                    std::string_view raw,
                    std::span<const LayoutAssignment> taken,
                    std::int32_t number) {
        const LayoutField field = row.fields[index];
        const std::string what = std::string(row.name) + "'s " + std::string(FieldName(field));
        const std::string compact = WithoutBlanks(raw);
        const std::optional<double> read = ReadLayoutNumber(raw);
        const std::string readText = read ? NumberText(*read) : "too large";
        if (compact.empty()) {
            Add(Severity::Warning, number, "empty-value",
                "value " + std::to_string(index + 1) + " (" + what + ") is empty and reads as 0", "write a number");
        } else if (!IsPlainNumber(compact)) {
            Add(Severity::Warning, number, "not-a-number",
                "value " + std::to_string(index + 1) + " (" + what + ") " + Quoted(raw) +
                    " is not a plain number: the picker reads it as " + readText,
                "write a decimal number such as " + readText);
        } else if (WithoutBlanks(TrimBlanks(raw)) != TrimBlanks(raw)) {
            Add(Severity::Warning, number, "blank-in-number",
                "value " + std::to_string(index + 1) + " (" + what + ") " + Quoted(raw) +
                    " has blanks inside, which the picker drops: it reads as " + readText,
                "write " + compact + " or put a comma where a new value begins");
        }
        // A factor the loupe cannot use and a count the history replaces have findings of their own.
        if (field != LayoutField::Factor && field != LayoutField::Count && !Took(taken, field)) {
            Add(Severity::Warning, number, "skipped-value",
                "value " + std::to_string(index + 1) + " (" + what + ") " + Quoted(TrimBlanks(raw)) +
                    " is skipped: " + SkipReason(field, read),
                SkipFix(field));
        }
    }

    static std::string SkipReason(LayoutField field, std::optional<double> read) {
        if (!read) {
            return "the number is too large";
        }
        switch (field) {
            case LayoutField::Width:
            case LayoutField::Height:
                if (*read < 0) {
                    return "a " + std::string(FieldName(field)) + " cannot be negative";
                }
                [[fallthrough]];
            case LayoutField::Left:
            case LayoutField::Top:
                return "the position is too large";
            case LayoutField::TextColour:
                return "a colour is 0 to 16777215 (red + 256 x green + 65536 x blue), and this reads as " +
                       NumberText(RoundHalfEven(*read));
            case LayoutField::Alpha:
                return "the picker takes only numbers above 0 and below 100 (an alpha out of 255)";
            case LayoutField::Factor:
            case LayoutField::Count:
                break;
        }
        return "the picker refuses it";
    }

    static std::string SkipFix(LayoutField field) {
        switch (field) {
            case LayoutField::Left:
            case LayoutField::Top:
            case LayoutField::Width:
            case LayoutField::Height:
                return "write a " + std::string(FieldName(field)) + " in pixels, 0 or more for sizes";
            case LayoutField::TextColour:
                return "write red + 256 x green + 65536 x blue, e.g. 16777215 for white";
            case LayoutField::Alpha:
                return "write trans=1 (faint) to trans=99, or remove the line for an opaque window";
            case LayoutField::Factor:
            case LayoutField::Count:
                break;
        }
        return "write a value the picker takes";
    }

    void CheckAlpha(std::int16_t alpha, std::int32_t number) {
        if (alpha == 0) {
            Add(Severity::Error, number, "trans-invisible",
                "trans gives the window the alpha 0 of 255: the window is invisible",
                "the number is an alpha out of 255, not a fraction: write trans=1 (faint) to trans=99, or remove the "
                "line");
            return;
        }
        const double percent = RoundHalfEven(alpha * 100.0 / 255.0);
        Add(Severity::Info, number, "trans-alpha",
            "the window's alpha becomes " + std::to_string(alpha) + " of 255 (" + NumberText(percent) +
                " % opaque): the number is an alpha out of 255, not a percentage",
            "");
    }

    // The reader rounds the factor and skips one it does not take, which leaves the factor of an earlier line.
    void CheckLoupeFactor(std::string_view raw, std::span<const LayoutAssignment> taken, std::int32_t number) {
        const auto given = std::find_if(taken.begin(), taken.end(),
                                        [](const LayoutAssignment& a) { return a.field == LayoutField::Factor; });
        const std::optional<double> read = ReadLayoutNumber(raw);
        const std::string range = std::to_string(kMinLoupeFactor) + " to " + std::to_string(kMaxLoupeFactor);
        if (given == taken.end()) {
            Add(Severity::Warning, number, "loupe-factor",
                "the loupe's factor " + Quoted(TrimBlanks(raw)) + " is outside " + range +
                    " and is skipped: " + std::to_string(factor_) + " is used",
                "write a factor from " + range + ", e.g. " + std::to_string(kDefaultLoupeFactor));
            return;
        }
        factor_ = static_cast<std::int32_t>(given->amount);
        if (*read != factor_) {
            Add(Severity::Warning, number, "loupe-factor",
                "the loupe's factor " + Quoted(TrimBlanks(raw)) + " is not a whole number: the picker rounds it to " +
                    std::to_string(factor_),
                "write " + std::to_string(factor_));
        } else {
            Add(Severity::Info, number, "loupe-factor",
                "the loupe shows each screen pixel as " + std::to_string(factor_) + " x " + std::to_string(factor_) +
                    " pixels",
                "");
        }
    }

    // Any count but a whole number in range gives the default, as the picker takes it.
    void CheckHistoryCount(std::string_view raw, std::span<const LayoutAssignment> taken, std::int32_t number) {
        const auto given = std::find_if(taken.begin(), taken.end(),
                                        [](const LayoutAssignment& a) { return a.field == LayoutField::Count; });
        if (given == taken.end()) {
            return;
        }
        const std::optional<double> read = ReadLayoutNumber(raw);
        if (read != given->amount) {
            const std::string range = std::to_string(kMinHistoryCount) + " to " + std::to_string(kMaxHistoryCount);
            Add(Severity::Warning, number, "history-count",
                "the history's count " + Quoted(TrimBlanks(raw)) + " is not a whole number from " + range +
                    ": the picker shows " + std::to_string(kDefaultHistoryCount) + " swatches",
                "write a whole number from " + range);
        }
    }

    // Later lines override earlier ones field by field: an author who repeats a key has usually forgotten the first
    // line. Only what a line really set counts: a skipped value overrides nothing.
    void CheckOverrides(const LayoutKeyRow& row, std::span<const LayoutAssignment> taken, std::int32_t number) {
        std::map<std::int32_t, std::vector<std::string_view>> overridden;
        for (const LayoutAssignment& assignment : taken) {
            const auto [previous, fresh] = setBy_.try_emplace({assignment.key, assignment.field}, number);
            if (!fresh && previous->second != number) {
                overridden[previous->second].push_back(FieldName(assignment.field));
            }
            previous->second = number;
        }
        for (const auto& [earlier, names] : overridden) {
            std::string list;
            for (const std::string_view name : names) {
                AppendToList(list, name);
            }
            Add(Severity::Warning, number, "override",
                std::string(row.name) + " sets " + list + " again, overriding line " + std::to_string(earlier),
                "keep one " + std::string(row.name) + " line");
        }
    }

    std::string_view bytes_;
    Findings findings_;
    // The editor line that last set each key's field, for overrides.
    std::map<std::pair<LayoutKey, LayoutField>, std::int32_t> setBy_;
    std::int32_t factor_ = kDefaultLoupeFactor;
};

}  // namespace

LayoutCheck CheckLayout(std::string_view bytes, std::uint64_t fileBytes, std::optional<PixelRect> window) {
    return LayoutChecker(bytes).Check(fileBytes, window);
}

Findings LayoutFindings(std::string_view bytes) {
    return CheckLayout(bytes, bytes.size(), std::nullopt).findings;
}

}  // namespace pixlin::skintool
