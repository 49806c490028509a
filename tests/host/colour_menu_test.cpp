#include "core/design/colour_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace pixlin {
namespace {

constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kNavy{0, 0, 128};

// The menu in one line: each item's text, "-" before a separator, "(off)" after a greyed item, "[x]" after a checked
// one.
std::string Shown(const ColourMenuContext& context) {
    std::string shown;
    for (const ColourMenuItem& item : ColourMenuItems(context)) {
        shown += item.separatorBefore ? "- " : "";
        shown += std::string(item.text);
        shown += item.enabled ? "" : " (off)";
        shown += item.checked ? " [x]" : "";
        shown += " | ";
    }
    return shown;
}

ColourMenuContext OnHistory(Rgb colour) {
    ColourMenuContext context;
    context.onHistory = true;
    context.colour = colour;
    context.historyEmpty = false;
    return context;
}

TEST(ColourMenu, TheItemsForWhatItOpensOn) {
    ColourMenuContext current;
    current.colour = kOrange;
    ColourMenuContext unreadable;
    ColourMenuContext pinned = OnHistory(kOrange);
    pinned.pinned = true;
    pinned.canPin = false;
    ColourMenuContext full = OnHistory(kOrange);
    full.canPin = false;
    full.keeping = true;
    ColourMenuContext textFixedHere = OnHistory(kOrange);
    textFixedHere.pair.fixedText = kOrange;
    ColourMenuContext textFixedElsewhere = current;
    textFixedElsewhere.pair.fixedText = kNavy;
    textFixedElsewhere.historyEmpty = false;
    ColourMenuContext bothFixedHere = OnHistory(kOrange);
    bothFixedHere.pair = {kOrange, kOrange};
    ColourMenuContext backgroundFixedUnreadable;
    backgroundFixedUnreadable.pair.fixedBackground = kNavy;

    const struct {
        const char* what;
        ColourMenuContext context;
        std::string shown;
    } rows[] = {
        {"the current colour, nothing copied yet", current,
         "&Pin | Set as &text colour | Set as &background | - &Export colours\u2026 (off) | &Import colours\u2026 | "
         "- &Keep colours between runs | "},
        {"no colour under the pointer", unreadable,
         "&Pin (off) | Set as &text colour (off) | Set as &background (off) | - &Export colours\u2026 (off) | "
         "&Import colours\u2026 | - &Keep colours between runs | "},
        {"a history swatch", OnHistory(kOrange),
         "&Pin | Set as &text colour | Set as &background | &Remove | - &Export colours\u2026 | &Import colours\u2026 "
         "| "
         "- &Keep colours between runs | "},
        {"a pinned swatch, every pin taken", pinned,
         "Un&pin | Set as &text colour | Set as &background | &Remove | - &Export colours\u2026 | "
         "&Import colours\u2026 | - &Keep colours between runs | "},
        {"no room for a pin, keeping on", full,
         "&Pin (off) | Set as &text colour | Set as &background | &Remove | - &Export colours\u2026 | "
         "&Import colours\u2026 | - &Keep colours between runs [x] | "},
        {"the fixed text colour itself", textFixedHere,
         "&Pin | Let text colour &follow | Set as &background | &Remove | - &Export colours\u2026 | "
         "&Import colours\u2026 | - &Keep colours between runs | "},
        {"another colour while the text is fixed", textFixedElsewhere,
         "&Pin | Set as &text colour | Let text colour &follow | Set as &background | - &Export colours\u2026 | "
         "&Import colours\u2026 | - &Keep colours between runs | "},
        {"both sides fixed to this colour", bothFixedHere,
         "&Pin | Let text colour &follow | Let back&ground follow | &Remove | - &Export colours\u2026 | "
         "&Import colours\u2026 | - &Keep colours between runs | "},
        {"a fixed background can be let go without a colour", backgroundFixedUnreadable,
         "&Pin (off) | Set as &text colour (off) | Set as &background (off) | Let back&ground follow | "
         "- &Export colours\u2026 (off) | &Import colours\u2026 | - &Keep colours between runs | "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Shown(row.context), row.shown) << row.what;
    }
}

// A menu's mnemonics must lead to one item each: a letter shared by two items only selects, the user must press it
// again and Return.
TEST(ColourMenu, NoTwoItemsShareAMnemonic) {
    ColourMenuContext context = OnHistory(kOrange);
    context.pair = {kNavy, kNavy};
    std::string letters;
    for (const ColourMenuItem& item : ColourMenuItems(context)) {
        const std::size_t amp = item.text.find('&');
        ASSERT_NE(amp, std::string_view::npos) << item.text;
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(item.text[amp + 1])));
        EXPECT_EQ(letters.find(letter), std::string::npos) << item.text;
        letters += letter;
    }
    EXPECT_EQ(letters.size(), 9u) << "every item there: " << letters;
}

}  // namespace
}  // namespace pixlin
