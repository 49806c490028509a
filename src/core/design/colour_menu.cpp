#include "core/design/colour_menu.h"

namespace pixlin {
namespace {

struct SideItems {
    ColourCommand set;
    std::string_view setText;
    ColourCommand follow;
    std::string_view followText;
};

void AddSide(std::vector<ColourMenuItem>& items,
             const SideItems& side,
             std::optional<Rgb> fixed,
             std::optional<Rgb> colour) {
    if (!fixed || fixed != colour) {
        items.push_back({side.set, side.setText, colour.has_value()});
    }
    if (fixed) {
        items.push_back({side.follow, side.followText});
    }
}

}  // namespace

std::vector<ColourMenuItem> ColourMenuItems(const ColourMenuContext& context) {
    std::vector<ColourMenuItem> items;
    if (context.pinned) {
        items.push_back({ColourCommand::Unpin, "Un&pin"});
    } else {
        items.push_back({ColourCommand::Pin, "&Pin", context.colour.has_value() && context.canPin});
    }
    AddSide(items,
            {ColourCommand::SetText, "Set as &text colour", ColourCommand::LetTextFollow, "Let text colour &follow"},
            context.pair.fixedText, context.colour);
    AddSide(items,
            {ColourCommand::SetBackground, "Set as &background", ColourCommand::LetBackgroundFollow,
             "Let back&ground follow"},
            context.pair.fixedBackground, context.colour);
    if (context.onHistory) {
        items.push_back({ColourCommand::Remove, "&Remove"});
    }
    items.push_back({ColourCommand::Export, "&Export colours\xE2\x80\xA6", !context.historyEmpty, false, true});
    items.push_back({ColourCommand::Import, "&Import colours\xE2\x80\xA6"});
    items.push_back({ColourCommand::Keep, "&Keep colours between runs", true, context.keeping, true});
    return items;
}

}  // namespace pixlin
