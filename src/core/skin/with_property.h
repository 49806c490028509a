#pragma once

#include "core/skin/form1_design.h"
#include "core/skin/layout_reader.h"

namespace pixlin {

// The place with one of its four properties replaced, as one layout assignment changes a control.
inline TwipsRect WithProperty(TwipsRect place, PlacementProperty property, float twips) noexcept {
    switch (property) {
        case PlacementProperty::Left:
            place.left = twips;
            break;
        case PlacementProperty::Top:
            place.top = twips;
            break;
        case PlacementProperty::Width:
            place.width = twips;
            break;
        case PlacementProperty::Height:
            place.height = twips;
            break;
    }
    return place;
}

}  // namespace pixlin
