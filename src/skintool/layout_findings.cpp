#include "skintool/layout_findings.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <variant>

#include "core/colour/rounding.h"
#include "core/skin/layout_lines.h"
#include "core/skin/number_reader.h"
#include "skintool/key_uses.h"
#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Keys this far from a known key are taken for a misspelling of it.
constexpr std::size_t kMaxMisspelling = 2;

std::string KeyList() {
    std::string keys;
    for (const KeyUse& use : KeyUses()) {
        AppendToList(keys, use.key);
    }
    return keys;
}

class LayoutChecker {
public:
    explicit LayoutChecker(std::string_view bytes) : bytes_(bytes), lines_(bytes) {}

    Findings Check() {
        if (bytes_.empty()) {
            Add(Severity::Info, 0, "empty-layout", "the layout file is empty: every control keeps its built-in place",
                "");
            return std::move(findings_);
        }
        if (bytes_.starts_with("\xFF\xFE") || bytes_.starts_with("\xFE\xFF")) {
            Add(Severity::Warning, 1, "utf16",
                "the file is saved as UTF-16: the picker reads 8-bit text, so no line of it works",
                "save the file as ANSI (8-bit) text");
            return std::move(findings_);
        }
        CheckLineEnds();
        bool first = true;
        std::string_view rest = bytes_;
        while (const auto line = TakeLayoutLine(rest)) {
            CheckLine(*line, first);
            first = false;
        }
        return std::move(findings_);
    }

private:
    void Add(Severity severity, std::int32_t line, std::string kind, std::string message, std::string fix) {
        findings_.push_back(
            Finding{severity, std::string(kLayoutFile), line, std::move(kind), std::move(message), std::move(fix)});
    }

    std::int32_t LineOf(std::string_view line) const {
        return lines_.LineAt(static_cast<std::size_t>(line.data() - bytes_.data()));
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

    void CheckLine(std::string_view line, bool first) {
        const std::int32_t number = LineOf(line);
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
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            const std::string_view text = TrimBlanks(line);
            const std::optional<std::string> meant = MeantKey(text.substr(0, text.find_first_of(" \t,")));
            Add(Severity::Warning, number, "no-equals", "no \"=\" on this line: the picker ignores it",
                meant ? "write " + Quoted(*meant + "=") + " followed by its values" : "remove the line");
            return;
        }
        const std::string_view key = line.substr(0, equals);
        if (const KeyUse* use = FindKeyUse(key)) {
            CheckKnownKeyLine(*use, line, line.substr(equals + 1), number);
        } else if (!bom) {
            CheckUnknownKey(key, number);
        }
    }

    static std::optional<std::string> MeantKey(std::string_view word) {
        const std::string lower = Lowercase(TrimBlanks(word));
        std::optional<std::string> nearest;
        std::size_t best = kMaxMisspelling + 1;
        for (const KeyUse& use : KeyUses()) {
            const std::size_t distance = EditDistance(lower, use.key);
            if (distance < best) {
                best = distance;
                nearest = std::string(use.key);
            }
        }
        return nearest;
    }

    void CheckUnknownKey(std::string_view key, std::int32_t number) {
        const std::string lower = Lowercase(TrimBlanks(key));
        if (FindKeyUse(lower)) {
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

    void CheckKnownKeyLine(const KeyUse& use,
                           std::string_view line,
                           std::string_view afterEquals,
                           std::int32_t number) {
        const std::size_t secondEquals = afterEquals.find('=');
        const std::string_view valueText = afterEquals.substr(0, secondEquals);
        if (secondEquals != std::string_view::npos) {
            Add(Severity::Warning, number, "second-equals",
                "everything after the second \"=\" is ignored: " + Quoted(afterEquals.substr(secondEquals)),
                "remove the text from the second \"=\" on");
        }
        std::vector<LayoutAssignment> assignments;
        ReadLayoutLine(line, LayoutScale{}, assignments);

        if (WithoutBlanks(valueText).empty()) {
            Add(Severity::Warning, number, "no-values",
                Quoted(std::string(use.key) + "=") + " has no values: nothing is set",
                "write " + std::to_string(use.values.size()) + " values: " + use.ValueNames());
            return;
        }
        std::vector<std::string_view> values;
        if (use.wholeText) {
            values.push_back(valueText);
        } else {
            std::string_view rest = valueText;
            for (;;) {
                const std::size_t comma = rest.find(',');
                values.push_back(rest.substr(0, comma));
                if (comma == std::string_view::npos) {
                    break;
                }
                rest.remove_prefix(comma + 1);
            }
        }
        for (std::size_t i = 0; i < values.size() && i < use.values.size(); ++i) {
            CheckValue(use, use.values[i], i, values[i], assignments, use.layoutKey, number);
        }
        if (values.size() < use.values.size()) {
            std::string kept;
            for (std::size_t i = values.size(); i < use.values.size(); ++i) {
                AppendToList(kept, use.values[i].name);
            }
            Add(Severity::Warning, number, "few-values",
                std::string(use.key) + " takes " + std::to_string(use.values.size()) + " values (" + use.ValueNames() +
                    "); this line has " + std::to_string(values.size()) + ", so " + kept +
                    (use.values.size() - values.size() == 1 ? " keeps its" : " keep their") +
                    " earlier or built-in value" + (use.values.size() - values.size() == 1 ? "" : "s"),
                "give all " + std::to_string(use.values.size()) + " values");
        } else if (values.size() > use.values.size()) {
            std::string extra;
            for (std::size_t i = use.values.size(); i < values.size(); ++i) {
                AppendToList(extra, values[i], ",");
            }
            Add(Severity::Warning, number, "extra-values",
                std::string(use.key) + " takes " + std::to_string(use.values.size()) + " values (" + use.ValueNames() +
                    "); the rest, " + Quoted(extra) + ", is ignored",
                "remove the values after the " + std::to_string(use.values.size()) + "th");
        }
        for (const LayoutAssignment& assignment : assignments) {
            if (const auto* alpha = std::get_if<TranslucencyAssignment>(&assignment)) {
                CheckAlpha(alpha->alpha, number);
            }
        }
        for (std::size_t i = 0; i < values.size() && i < use.values.size(); ++i) {
            if (use.values[i].kind == ValueTarget::Kind::LoupeFactor) {
                CheckLoupeFactor(values[i], assignments, number);
            }
        }
        CheckOverrides(use, assignments, number);
    }

    void CheckValue(const KeyUse& use,
                    const ValueTarget& target,
                    std::size_t index,
                    std::string_view raw,
                    const std::vector<LayoutAssignment>& assignments,
                    std::optional<LayoutKey> key,
                    std::int32_t number) {
        const std::string what = std::string(use.key) + "'s " + target.name;
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
        const bool made = std::any_of(assignments.begin(), assignments.end(),
                                      [&](const LayoutAssignment& a) { return Sets(a, target, key); });
        if (!made) {
            Add(Severity::Warning, number, "skipped-value",
                "value " + std::to_string(index + 1) + " (" + what + ") " + Quoted(TrimBlanks(raw)) +
                    " is skipped: " + SkipReason(target, read),
                SkipFix(target));
        }
    }

    static std::string SkipReason(const ValueTarget& target, std::optional<double> read) {
        if (!read) {
            return "the number is too large";
        }
        switch (target.kind) {
            case ValueTarget::Kind::Placement:
                if (*read < 0 &&
                    (target.property == PlacementProperty::Width || target.property == PlacementProperty::Height)) {
                    return "a " + target.name + " cannot be negative";
                }
                return "the position is too large";
            case ValueTarget::Kind::ForeColor:
                return "a colour is 0 to 16777215 (red + 256 x green + 65536 x blue), and this reads as " +
                       NumberText(RoundHalfEven(*read));
            case ValueTarget::Kind::Translucency:
                return "the picker takes only numbers above 0 and below 100 (an alpha out of 255)";
            case ValueTarget::Kind::LoupeFactor:
            case ValueTarget::Kind::Other:
                break;
        }
        return "the picker refuses it";
    }

    static std::string SkipFix(const ValueTarget& target) {
        switch (target.kind) {
            case ValueTarget::Kind::Placement:
                return "write a " + target.name + " in pixels, 0 or more for sizes";
            case ValueTarget::Kind::ForeColor:
                return "write red + 256 x green + 65536 x blue, e.g. 16777215 for white";
            case ValueTarget::Kind::Translucency:
                return "write trans=1 (faint) to trans=99, or remove the line for an opaque window";
            case ValueTarget::Kind::LoupeFactor:
            case ValueTarget::Kind::Other:
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

    // The reader rounds the factor and quietly puts the default in place of one it does not take.
    void CheckLoupeFactor(std::string_view raw, const std::vector<LayoutAssignment>& assignments, std::int32_t number) {
        const auto given = std::find_if(assignments.begin(), assignments.end(), [](const LayoutAssignment& a) {
            return std::holds_alternative<LoupeFactorAssignment>(a);
        });
        if (given == assignments.end()) {
            return;
        }
        const std::int32_t factor = std::get<LoupeFactorAssignment>(*given).factor;
        const std::optional<double> read = ReadLayoutNumber(raw);
        const std::string range = std::to_string(kMinLoupeFactor) + " to " + std::to_string(kMaxLoupeFactor);
        if (!read || RoundHalfEven(*read) != factor) {
            Add(Severity::Warning, number, "loupe-factor",
                "the loupe's factor " + Quoted(TrimBlanks(raw)) + " is outside " + range + ": " +
                    std::to_string(factor) + " is used",
                "write a factor from " + range + ", e.g. " + std::to_string(kDefaultLoupeFactor));
        } else if (*read != factor) {
            Add(Severity::Warning, number, "loupe-factor",
                "the loupe's factor " + Quoted(TrimBlanks(raw)) + " is not a whole number: the picker rounds it to " +
                    std::to_string(factor),
                "write " + std::to_string(factor));
        } else {
            Add(Severity::Info, number, "loupe-factor",
                "the loupe shows each screen pixel as " + std::to_string(factor) + " x " + std::to_string(factor) +
                    " pixels",
                "");
        }
    }

    // Later lines override earlier ones property by property: an author who repeats a key has usually forgotten the
    // first line.
    void CheckOverrides(const KeyUse& use, const std::vector<LayoutAssignment>& assignments, std::int32_t number) {
        std::map<std::int32_t, std::vector<std::string>> overridden;
        for (const LayoutAssignment& assignment : assignments) {
            for (const ValueTarget& target : use.values) {
                if (!Sets(assignment, target, std::nullopt)) {
                    continue;
                }
                const auto slot = SlotOf(assignment, target);
                const auto [previous, fresh] = setBy_.try_emplace(slot, number);
                if (!fresh && previous->second != number) {
                    std::vector<std::string>& names = overridden[previous->second];
                    if (std::find(names.begin(), names.end(), target.name) == names.end()) {
                        names.push_back(target.name);
                    }
                }
                previous->second = number;
            }
        }
        for (const auto& [earlier, names] : overridden) {
            std::string list;
            for (const std::string& name : names) {
                AppendToList(list, name);
            }
            Add(Severity::Warning, number, "override",
                std::string(use.key) + " sets " + list + " again, overriding line " + std::to_string(earlier),
                "keep one " + std::string(use.key) + " line");
        }
    }

    static std::pair<int, int> SlotOf(const LayoutAssignment& assignment, const ValueTarget& target) {
        int control = -1;
        if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
            control = static_cast<int>(placement->key);
        } else if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
            control = static_cast<int>(foreColor->key);
        }
        const int property = target.kind == ValueTarget::Kind::Placement ? static_cast<int>(target.property) : -1;
        return {control * 16 + property, static_cast<int>(target.kind)};
    }

    std::string_view bytes_;
    EditorLines lines_;
    Findings findings_;
    std::map<std::pair<int, int>, std::int32_t> setBy_;
};

}  // namespace

Findings LayoutFindings(std::string_view bytes) {
    return LayoutChecker(bytes).Check();
}

}  // namespace pixlin::skintool
