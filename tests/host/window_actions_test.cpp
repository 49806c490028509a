#include "core/design/window_actions.h"

#include <gtest/gtest.h>

#include <array>

namespace pixlin {
namespace {

using C = Form1Control;
using A = WindowAction;

// A contrast ratio is copied as text, but it is no colour: it neither enters the history nor becomes the copy key's
// form.
TEST(WindowActions, EachControlsClickAndWhetherItCopiesAColour) {
    const struct {
        C control;
        A click;
        bool copiesColour;
    } rows[] = {
        {C::lbl_RGB, A::CopyText, true},       {C::lbl_YCBCR, A::CopyText, true},
        {C::lbl_CSSHEX, A::CopyText, true},    {C::lbl_NEAREST, A::CopyText, true},
        {C::lbl_CONTRAST, A::CopyText, false}, {C::lbl_STATE, A::ToggleSampling, false},
        {C::lbl_Shape, A::ShowAbout, false},   {C::Label3, A::Quit, false},
        {C::Shape1, A::None, false},           {C::Text1, A::None, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ClickActionOf(row.control), row.click) << IndexOf(row.control);
        EXPECT_EQ(CopiesColour(row.control), row.copiesColour) << IndexOf(row.control);
        EXPECT_EQ(IsReadout(row.control), row.click == A::CopyText) << IndexOf(row.control);
    }
}

// A label lies over everything; the loupe's box and the history's swatches over the bare surface, which drags.
TEST(WindowActions, APressLandsOnTheTopmostPart) {
    std::array<PixelRect, kForm1LabelCount> labels{};
    labels[IndexOf(C::lbl_HEX)] = {10, 10, 60, 30};
    labels[IndexOf(C::lbl_RGB)] = {50, 10, 100, 30};  // created after lbl_HEX: on top of it
    labels[IndexOf(C::Label3)] = {0, 100, 20, 120};
    const WindowAreas areas{labels, PixelRect{0, 40, 50, 90}, PixelRect{60, 40, 143, 60}, 4, std::nullopt};
    const struct {
        int x;
        int y;
        A action;
        std::optional<C> label;
    } rows[] = {
        {20, 20, A::CopyText, C::lbl_HEX},
        {55, 20, A::CopyText, C::lbl_RGB},
        {5, 110, A::Quit, C::Label3},
        {10, 50, A::PickInLoupe, std::nullopt},
        {60, 45, A::PickFromHistory, std::nullopt},
        {139, 45, A::PickFromHistory, std::nullopt},
        // The 3 pixels the division by the count leaves at the box's right show the skin, and drag.
        {140, 45, A::Drag, std::nullopt},
        {150, 150, A::Drag, std::nullopt},
    };
    for (const auto& row : rows) {
        const PressTarget target = PressTargetAt(areas, row.x, row.y);
        EXPECT_EQ(target.action, row.action) << row.x << "," << row.y;
        EXPECT_EQ(target.label, row.label) << row.x << "," << row.y;
    }
    // Without a loupe or a history, their places drag.
    const WindowAreas bare{labels, std::nullopt, std::nullopt, 0, std::nullopt};
    EXPECT_EQ(PressTargetAt(bare, 10, 50).action, A::Drag);
    EXPECT_EQ(PressTargetAt(bare, 60, 45).action, A::Drag);
}

// The right button drags from the bare surface only; the swatch, under the label that shows the about message, and the
// history's swatches take it for the colours' menu; labels and the loupe let it pass.
TEST(WindowActions, TheRightButtonOpensTheMenuOnTheSwatchesAndDragsElsewhere) {
    std::array<PixelRect, kForm1LabelCount> labels{};
    labels[IndexOf(C::lbl_Shape)] = {200, 0, 260, 60};
    labels[IndexOf(C::lbl_HEX)] = {10, 10, 60, 30};
    const WindowAreas areas{labels, PixelRect{0, 40, 50, 90}, PixelRect{60, 40, 143, 60}, 4,
                            PixelRect{200, 0, 260, 60}};
    const struct {
        int x;
        int y;
        A action;
    } rows[] = {
        {230, 30, A::ColourMenu}, {60, 45, A::ColourMenu}, {139, 45, A::ColourMenu}, {140, 45, A::Drag},
        {150, 150, A::Drag},      {20, 20, A::None},       {10, 50, A::None},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RightPressActionAt(areas, row.x, row.y), row.action) << row.x << "," << row.y;
    }
    const WindowAreas noSwatch{labels, std::nullopt, std::nullopt, 0, std::nullopt};
    EXPECT_EQ(RightPressActionAt(noSwatch, 230, 30), A::None) << "the about label alone";
}

}  // namespace
}  // namespace pixlin
