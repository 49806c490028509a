#include "core/colour/colour_history.h"
#include "core/design/history_swatches.h"
#include "core/design/window_actions.h"
#include "core/texts/paste_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // From a profiled display a copy keeps the display's pixel beside its colour; copied again from another pixel that
    // shows the same colour, the entry takes the new pixel. A colour without one shows itself.
    history.Add({kRed, {5, 5}, false, Rgb{201, 0, 0}});
    history.Add({kRed, {6, 6}, false, Rgb{202, 1, 0}});
    EXPECT_EQ(Colours(history), (std::vector{kRed, kWhite}));
    EXPECT_EQ(history.Entries().front().Displayed(), (Rgb{202, 1, 0}));
    EXPECT_EQ(history.Entries().back().Displayed(), kWhite);
    ASSERT_TRUE(history.LatestEntry().has_value());
    EXPECT_EQ(history.LatestEntry()->displayed, (Rgb{202, 1, 0}));
    EXPECT_EQ(history.Latest(), kRed);
}

std::vector<bool> Pins(const ColourHistory& history) {
    std::vector<bool> pins;
    for (const HistoryEntry& entry : history.Entries()) {
        pins.push_back(entry.pinned);
    }
    return pins;
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{128, 128, 128};

// Five places: red, green, blue copied in that order, then green pinned.
ColourHistory WithGreenPinned() {
    ColourHistory history(5);
    history.Add({kRed, {1, 1}});
    history.Add({kGreen, {2, 2}});
    history.Add({kBlue, {3, 3}});
    EXPECT_TRUE(history.Pin(1));
    return history;
}

TEST(ColourHistory, PinsStayLeftAndOutliveCopies) {
    ColourHistory history = WithGreenPinned();
    EXPECT_EQ(Colours(history), (std::vector{kGreen, kBlue, kRed}));
    EXPECT_EQ(Pins(history), (std::vector{true, false, false}));
    // Copying the pinned colour again leaves it where it is, with the place it was picked at; it is still the colour
    // copied last.
    history.Add({kGreen, {9, 9}});
    EXPECT_EQ(Colours(history), (std::vector{kGreen, kBlue, kRed}));
    EXPECT_EQ(history.Entries().front().pickedAt, (Point{2, 2}));
    EXPECT_EQ(history.Latest(), kGreen);
    // Four more copies: the oldest unpinned ones drop off, never the pin.
    for (const Rgb colour : {kWhite, kBlack, kGrey, kRed}) {
        history.Add({colour, {}});
    }
    EXPECT_EQ(Colours(history), (std::vector{kGreen, kRed, kGrey, kBlack, kWhite}));
    // A later pin goes right of the earlier ones.
    EXPECT_TRUE(history.Pin(3));
    EXPECT_EQ(Colours(history), (std::vector{kGreen, kBlack, kRed, kGrey, kWhite}));
    EXPECT_EQ(history.PinnedCount(), 2u);
}

// Steps taken one after another on one history; each row holds the state after its step.
TEST(ColourHistory, PinUnpinRemoveStepByStep) {
    ColourHistory history = WithGreenPinned();  // green* blue red
    struct Step {
        const char* name;
        bool (ColourHistory::*act)(std::size_t);
        std::size_t index;
        bool done;
        std::vector<Rgb> colours;
        std::vector<bool> pins;
    };
    const Step steps[] = {
        {"pin a pinned entry", &ColourHistory::Pin, 0, false, {kGreen, kBlue, kRed}, {true, false, false}},
        {"pin beyond the end", &ColourHistory::Pin, 3, false, {kGreen, kBlue, kRed}, {true, false, false}},
        {"unpin an unpinned entry", &ColourHistory::Unpin, 1, false, {kGreen, kBlue, kRed}, {true, false, false}},
        {"pin red", &ColourHistory::Pin, 2, true, {kGreen, kRed, kBlue}, {true, true, false}},
        // An unpinned entry becomes the most recent, right of the remaining pins.
        {"unpin green", &ColourHistory::Unpin, 0, true, {kRed, kGreen, kBlue}, {true, false, false}},
        {"remove beyond the end", &ColourHistory::Remove, 3, false, {kRed, kGreen, kBlue}, {true, false, false}},
        {"remove the pin", &ColourHistory::Remove, 0, true, {kGreen, kBlue}, {false, false}},
        {"remove blue", &ColourHistory::Remove, 1, true, {kGreen}, {false}},
    };
    for (const Step& step : steps) {
        EXPECT_EQ((history.*step.act)(step.index), step.done) << step.name;
        EXPECT_EQ(Colours(history), step.colours) << step.name;
        EXPECT_EQ(Pins(history), step.pins) << step.name;
        EXPECT_EQ(history.PinnedCount(), static_cast<std::size_t>(std::count(step.pins.begin(), step.pins.end(), true)))
            << step.name;
    }
    // Blue was copied last; its entry is gone, the fact is not.
    EXPECT_EQ(history.Latest(), kBlue);
}

// At most capacity - 1 pins, so that a new copy always has a place; capacity 1 takes none.
TEST(ColourHistory, TheNewestCopyAlwaysHasAPlace) {
    ColourHistory history(3);
    history.Add({kRed, {}});
    history.Add({kGreen, {}});
    history.Add({kBlue, {}});
    EXPECT_TRUE(history.Pin(2));
    EXPECT_TRUE(history.Pin(2));
    EXPECT_FALSE(history.CanPin());
    EXPECT_FALSE(history.Pin(2));
    history.Add({kWhite, {}});
    history.Add({kBlack, {}});
    EXPECT_EQ(Colours(history), (std::vector{kRed, kGreen, kBlack}));
    ColourHistory single(1);
    single.Add({kRed, {}});
    EXPECT_FALSE(single.CanPin());
    EXPECT_FALSE(single.Pin(0));
}

// Shrinking keeps pins first; pins beyond capacity - 1 (the last pinned first) become the most recent unpinned
// entries, and only what no longer fits goes.
TEST(ColourHistory, SetCapacityAndRestoreKeepWhatFits) {
    struct Row {
        std::size_t capacity;
        std::vector<Rgb> colours;
        std::vector<bool> pins;
    };
    for (const Row& row : {
             Row{6, {kRed, kGreen, kBlue, kWhite, kBlack}, {true, true, true, false, false}},
             Row{4, {kRed, kGreen, kBlue, kWhite}, {true, true, true, false}},
             Row{3, {kRed, kGreen, kBlue}, {true, true, false}},
             Row{2, {kRed, kGreen}, {true, false}},
             Row{1, {kRed}, {false}},
             Row{0, {}, {}},
         }) {
        ColourHistory history(6);
        for (const Rgb colour : {kBlack, kWhite, kBlue, kGreen, kRed}) {
            history.Add({colour, {}});
        }
        ASSERT_TRUE(history.Pin(0) && history.Pin(1) && history.Pin(2));  // red green blue, in that order
        history.SetCapacity(row.capacity);
        EXPECT_EQ(Colours(history), row.colours) << row.capacity;
        EXPECT_EQ(Pins(history), row.pins) << row.capacity;
        // Restoring what was kept, into a history of the same size, gives it back as it was.
        ColourHistory restored(row.capacity);
        const std::vector<HistoryEntry> kept(history.Entries().begin(), history.Entries().end());
        restored.Restore(kept);
        EXPECT_EQ(std::vector<HistoryEntry>(restored.Entries().begin(), restored.Entries().end()), kept);
        EXPECT_EQ(restored.Latest(), std::nullopt);
    }
    // A kept file out of order or with a repeated colour: pins to the left, the first of a repeat kept.
    ColourHistory restored(4);
    const std::vector<HistoryEntry> kept{
        {kRed, {1, 1}, false}, {kGreen, {2, 2}, true}, {kRed, {3, 3}, true}, {kBlue, {4, 4}, false}};
    restored.Restore(kept);
    EXPECT_EQ(Colours(restored), (std::vector{kGreen, kRed, kBlue}));
    EXPECT_EQ(restored.Entries()[1].pickedAt, (Point{1, 1}));
    EXPECT_EQ(Pins(restored), (std::vector{true, false, false}));
}

TEST(ColourHistory, ImportFillsInFrontOfTheUnpinnedAsFarAsThereIsRoom) {
    ColourHistory history = WithGreenPinned();  // green* blue red, five places
    constexpr Rgb kOne{1, 2, 3};
    const std::vector<Rgb> palette{kWhite, kBlue, kGreen, kBlack, kWhite, kGrey, kOne, Rgb{4, 5, 6}};
    const HistoryImport import = history.Import(palette);
    EXPECT_EQ(import.added, 4u);         // the four places beside the pin: white, black, grey, 1,2,3
    EXPECT_EQ(import.alreadyThere, 3u);  // blue, green, the second white
    EXPECT_EQ(import.leftOut, 1u);       // 4,5,6
    // The older unpinned entries made way; the pin stayed.
    EXPECT_EQ(Colours(history), (std::vector{kGreen, kWhite, kBlack, kGrey, kOne}));
    EXPECT_EQ(Pins(history), (std::vector{true, false, false, false, false}));
    EXPECT_EQ(history.Entries()[1].pickedAt, (Point{0, 0}));
    // Importing copies nothing.
    EXPECT_EQ(history.Latest(), kBlue);
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

// A pin's mark takes a third of the shorter side, never less than 4 pixels, and only where the colour keeps at least as
// much room beside it.
TEST(HistorySwatches, APinsMarkIsAThirdOfTheShorterSide) {
    struct Row {
        PixelRect swatch;
        std::int32_t side;
    };
    for (const Row& row :
         {Row{{16, 155, 57, 179}, 8}, Row{{0, 0, 82, 48}, 16}, Row{{0, 0, 20, 12}, 4}, Row{{0, 0, 8, 8}, 4},
          Row{{0, 0, 7, 30}, 0}, Row{{0, 0, 30, 0}, 0}, Row{{INT_MIN, 0, INT_MAX, 60}, 20}}) {
        EXPECT_EQ(PinMarkSide(row.swatch), row.side) << row.swatch.right - row.swatch.left;
    }
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
