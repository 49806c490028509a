#include "core/texts/profile_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace pixlin {
namespace {

using D = DisplayColours;

// Each row: what the display is, the profile's name, the user's choice and whether the colour was clipped; what the
// profile text says, and whether the readouts show the display's values and a click can switch.
TEST(ProfileTexts, WhatTheProfileTextSaysAndWhichValuesShow) {
    constexpr char kName[] = "Compatible with Adobe RGB (1998)";
    const struct {
        D display;
        const char* name;
        bool displayValuesChosen;
        bool outside;
        std::string text;
        bool showsDisplayValues;
        bool switches;
    } rows[] = {
        {D::Profiled, kName, false, false, "sRGB \xC2\xB7 Compatible with Adobe RGB (1998)", false, true},
        {D::Profiled, kName, false, true, "outside sRGB \xC2\xB7 Compatible with Adobe RGB (1998)", false, true},
        {D::Profiled, kName, true, false, "display values \xC2\xB7 Compatible with Adobe RGB (1998)", true, true},
        // The display's values are exact: a colour outside sRGB is no news there.
        {D::Profiled, kName, true, true, "display values \xC2\xB7 Compatible with Adobe RGB (1998)", true, true},
        {D::Profiled, "", false, false, "sRGB", false, true},
        // Without a converting profile the choice changes nothing: the display's values are all there is.
        {D::Srgb, "sRGB IEC61966-2.1", false, false, "sRGB display", false, false},
        {D::Srgb, "sRGB IEC61966-2.1", true, true, "sRGB display", false, false},
        {D::Unusable, "wide.icc", true, false, "display values \xC2\xB7 profile could not be used", false, false},
        {D::AdvancedColour, kName, false, true, "display values \xC2\xB7 advanced colour on", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ProfileText(row.display, row.name, row.displayValuesChosen, row.outside), row.text);
        EXPECT_EQ(ShowsDisplayValues(row.display, row.displayValuesChosen), row.showsDisplayValues);
        EXPECT_EQ(CanSwitchValues(row.display), row.switches);
    }
}

}  // namespace
}  // namespace pixlin
