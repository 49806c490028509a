#include "skintool/key_uses.h"

#include <algorithm>
#include <variant>

#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

// A key is probed with up to this many values; no key uses more.
constexpr std::size_t kMaxProbeValues = 12;

std::string PropertyName(PlacementProperty property) {
    switch (property) {
        case PlacementProperty::Left:
            return "left";
        case PlacementProperty::Top:
            return "top";
        case PlacementProperty::Width:
            return "width";
        case PlacementProperty::Height:
            return "height";
    }
    return "place";
}

ValueTarget TargetOf(const LayoutAssignment& assignment, std::size_t index) {
    if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
        return {ValueTarget::Kind::Placement, placement->property, PropertyName(placement->property)};
    }
    if (const auto* loupe = std::get_if<LoupePlacementAssignment>(&assignment)) {
        return {ValueTarget::Kind::Placement, loupe->property, PropertyName(loupe->property)};
    }
    if (std::holds_alternative<LoupeFactorAssignment>(assignment)) {
        return {ValueTarget::Kind::LoupeFactor, PlacementProperty::Left, "factor"};
    }
    if (std::holds_alternative<ForeColorAssignment>(assignment)) {
        return {ValueTarget::Kind::ForeColor, PlacementProperty::Left, "text colour"};
    }
    if (std::holds_alternative<TranslucencyAssignment>(assignment)) {
        return {ValueTarget::Kind::Translucency, PlacementProperty::Left, "alpha"};
    }
    return {ValueTarget::Kind::Other, PlacementProperty::Left, "value " + std::to_string(index + 1)};
}

std::optional<LayoutKey> KeyOf(const LayoutAssignment& assignment) {
    if (const auto* placement = std::get_if<PlacementAssignment>(&assignment)) {
        return placement->key;
    }
    if (const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment)) {
        return foreColor->key;
    }
    return std::nullopt;
}

std::vector<LayoutAssignment> Probe(std::string_view key, std::size_t valueCount) {
    std::string line(key);
    line += '=';
    for (std::size_t i = 0; i < valueCount; ++i) {
        line += i == 0 ? "1" : ",1";
    }
    std::vector<LayoutAssignment> assignments;
    ReadLayoutLine(line, LayoutScale{}, assignments);
    return assignments;
}

KeyUse LearnKey(std::string_view key) {
    KeyUse use{key, {}, {}, false};
    std::vector<LayoutAssignment> previous = Probe(key, 0);
    for (std::size_t count = 1; count <= kMaxProbeValues; ++count) {
        const std::vector<LayoutAssignment> current = Probe(key, count);
        if (current.size() == previous.size()) {
            continue;
        }
        // Values that set nothing on their own (none today) still count, so the value after them lines up.
        while (use.values.size() + 1 < count) {
            use.values.push_back(ValueTarget{ValueTarget::Kind::Other, PlacementProperty::Left,
                                             "value " + std::to_string(use.values.size() + 1)});
        }
        const auto added = std::find_if(current.begin(), current.end(), [&previous](const LayoutAssignment& a) {
            return std::find(previous.begin(), previous.end(), a) == previous.end();
        });
        use.values.push_back(TargetOf(added != current.end() ? *added : current.back(), count - 1));
        previous = current;
    }
    for (const LayoutAssignment& assignment : previous) {
        if (const std::optional<LayoutKey> layoutKey = KeyOf(assignment)) {
            use.layoutKey = layoutKey;
        }
    }
    // A key read as one number makes the same assignments whatever follows a comma.
    use.wholeText = use.values.size() == 1 && Probe(key, 1) == Probe(key, 2);
    return use;
}

}  // namespace

std::string KeyUse::ValueNames() const {
    std::string names;
    for (const ValueTarget& value : values) {
        AppendToList(names, value.name);
    }
    return names;
}

const std::vector<KeyUse>& KeyUses() {
    static const std::vector<KeyUse> uses = [] {
        std::vector<KeyUse> learnt;
        for (const std::string_view key : LayoutKeys()) {
            learnt.push_back(LearnKey(key));
        }
        return learnt;
    }();
    return uses;
}

const KeyUse* FindKeyUse(std::string_view key) {
    const std::vector<KeyUse>& uses = KeyUses();
    const auto found = std::find_if(uses.begin(), uses.end(), [key](const KeyUse& use) { return use.key == key; });
    return found != uses.end() ? &*found : nullptr;
}

std::string_view KeyText(LayoutKey key) {
    const std::vector<KeyUse>& uses = KeyUses();
    const auto found =
        std::find_if(uses.begin(), uses.end(), [key](const KeyUse& use) { return use.layoutKey == key; });
    return found != uses.end() ? found->key : "";
}

const KeyUse& LoupeKeyUse() {
    static const KeyUse& loupe = []() -> const KeyUse& {
        const std::vector<KeyUse>& uses = KeyUses();
        return *std::find_if(uses.begin(), uses.end(), [](const KeyUse& use) {
            return std::any_of(use.values.begin(), use.values.end(),
                               [](const ValueTarget& value) { return value.kind == ValueTarget::Kind::LoupeFactor; });
        });
    }();
    return loupe;
}

bool Sets(const LayoutAssignment& assignment, const ValueTarget& target, std::optional<LayoutKey> key) {
    switch (target.kind) {
        case ValueTarget::Kind::Placement: {
            if (const auto* loupe = std::get_if<LoupePlacementAssignment>(&assignment)) {
                return !key && loupe->property == target.property;
            }
            const auto* placement = std::get_if<PlacementAssignment>(&assignment);
            return placement && placement->property == target.property && (!key || placement->key == *key);
        }
        case ValueTarget::Kind::ForeColor: {
            const auto* foreColor = std::get_if<ForeColorAssignment>(&assignment);
            return foreColor && (!key || foreColor->key == *key);
        }
        case ValueTarget::Kind::Translucency:
            return std::holds_alternative<TranslucencyAssignment>(assignment);
        case ValueTarget::Kind::LoupeFactor:
            return std::holds_alternative<LoupeFactorAssignment>(assignment);
        case ValueTarget::Kind::Other:
            break;
    }
    return true;
}

}  // namespace pixlin::skintool
