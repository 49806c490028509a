#include "core/colour/colour_history.h"
#include "core/design/history_swatches.h"
#include "core/design/window_actions.h"
#include "core/texts/paste_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace pixlin {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};

std::vector<Rgb> Colours(const ColourHistory& history) {
    std::vector<Rgb> colours;
    for (const HistoryEntry& entry : history.Entries()) {
        colours.push_back(entry.colour);
    }
    return colours;
}

TEST(ColourHistory, MostRecentFirstEachColourOnceOldestDropsOff) {
    ColourHistory history(3);
    EXPECT_EQ(history.Latest(), std::nullopt);
    history.Add({kRed, {1, 1}});
    history.Add({kGreen, {2, 2}});
    history.Add({kBlue, {3, 3}});
    // Copied again: to the front, where it was picked last, and no second place.
    history.Add({kRed, {9, 9}});
    EXPECT_EQ(Colours(history), (std::vector{kRed, kBlue, kGreen}));
    EXPECT_EQ(history.Entries().front().pickedAt, (Point{9, 9}));
    history.Add({kWhite, {4, 4}});
    EXPECT_EQ(Colours(history), (std::vector{kWhite, kRed, kBlue}));
    EXPECT_EQ(history.Latest(), kWhite);
    // A skin with fewer swatches keeps the most recent.
    history.SetCapacity(2);
    EXPECT_EQ(Colours(history), (std::vector{kWhite, kRed}));
}

TEST(HistorySwatches, EqualWidthsFromTheLeftTheRestStaysSkin) {
    const PixelRect box{10, 5, 113, 25};  // 103 wide: 4 swatches of 25, 3 pixels over
    struct Row {
        std::int32_t x;
        std::optional<std::int32_t> swatch;
    };
    for (const Row& row : {Row{10, 0}, Row{34, 0}, Row{35, 1}, Row{109, 3}, Row{110, std::nullopt},
                           Row{9, std::nullopt}, Row{112, std::nullopt}}) {
        EXPECT_EQ(HistorySwatchAt(box, 4, row.x, 10), row.swatch) << row.x;
    }
    EXPECT_EQ(HistorySwatch(box, 4, 3), (PixelRect{85, 5, 110, 25}));
    EXPECT_EQ(HistorySwatchAt(box, 4, 50, 25), std::nullopt);
    // Narrower than its count: no swatch at all, never a division by a zero width.
    EXPECT_EQ(HistorySwatchAt(PixelRect{0, 0, 3, 10}, 4, 1, 1), std::nullopt);
    // A box across the whole pixel range neither overflows nor strays outside.
    const PixelRect wide{INT_MIN, 0, INT_MAX, 10};
    const PixelRect last = HistorySwatch(wide, 32, 31);
    EXPECT_EQ(last.right, INT_MIN + 32 * ((static_cast<std::int64_t>(INT_MAX) - INT_MIN) / 32));
    EXPECT_EQ(HistorySwatchAt(wide, 32, last.right - 1, 5), 31);
    EXPECT_EQ(HistorySwatchAt(wide, 32, last.right, 5), std::nullopt);
}

// The copy key copies whatever readout was clicked last, shown by the skin or not.
TEST(ReadoutText, EveryReadoutGivesItsFormOfTheColour) {
    struct Row {
        Form1Control readout;
        std::string text;
    };
    cClrModels model;
    const std::int32_t orange = 0x0080FF;
    for (const Row& row : {
             Row{Form1Control::lbl_RGB, "255,128,0"},
             Row{Form1Control::lbl_CSSHEX, "#FF8000"},
             Row{Form1Control::lbl_CSSRGB, "rgb(255, 128, 0)"},
             Row{Form1Control::lbl_CSSHSL, "hsl(30, 100%, 50%)"},
             Row{Form1Control::lbl_HSV, "30,100,100"},
             Row{Form1Control::lbl_NEAREST, "\xE2\x89\x88 darkorange - dunkles Orange"},
             Row{Form1Control::lbl_CONTRAST, "2.51:1 fail"},
             Row{Form1Control::lbl_Shape, ""},
         }) {
        EXPECT_EQ(ReadoutText(row.readout, orange, model, kWhite), row.text) << IndexOf(row.readout);
        EXPECT_EQ(IsReadout(row.readout), !row.text.empty()) << IndexOf(row.readout);
    }
    EXPECT_EQ(ReadoutText(Form1Control::lbl_CONTRAST, orange, model, std::nullopt), "");
}

}  // namespace
}  // namespace pixlin
