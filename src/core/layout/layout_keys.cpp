#include "core/layout/layout_keys.h"

#include <algorithm>

namespace pixlin {

const LayoutKeyRow* FindLayoutKey(std::string_view name) noexcept {
    const auto found = std::find_if(kLayoutKeys.begin(), kLayoutKeys.end(),
                                    [name](const LayoutKeyRow& row) { return row.name == name; });
    return found != kLayoutKeys.end() ? &*found : nullptr;
}

const LayoutKeyRow& KeyPlacing(Form1Control control) noexcept {
    const auto found = std::find_if(kLayoutKeys.begin(), kLayoutKeys.end(), [control](const LayoutKeyRow& row) {
        return std::find(row.controls.begin(), row.controls.end(), control) != row.controls.end();
    });
    return *found;
}

std::string_view FieldName(LayoutField field) noexcept {
    switch (field) {
        case LayoutField::Left:
            return "left";
        case LayoutField::Top:
            return "top";
        case LayoutField::Width:
            return "width";
        case LayoutField::Height:
            return "height";
        case LayoutField::TextColour:
            return "text colour";
        case LayoutField::Factor:
            return "factor";
        case LayoutField::Alpha:
            return "alpha";
        case LayoutField::Count:
            return "count";
    }
    return "value";
}

}  // namespace pixlin
