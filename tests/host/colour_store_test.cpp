#include "core/palette/colour_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pixlin {
namespace {

TEST(ColourStore, WhatIsWrittenReadsBackTheSame) {
    const KeptColours kept{{{{255, 128, 0}, {120, -40}, true},
                            {{0, 0, 0}, {INT32_MIN, INT32_MAX}, false},
                            {{30, 144, 255}, {0, 0}, false}},
                           {Rgb{0, 0, 0}, std::nullopt}};
    for (const KeptColours& colours : {kept, KeptColours{}, KeptColours{{}, {std::nullopt, Rgb{1, 2, 3}}}}) {
        const StoreRead read = ReadColourStore(WriteColourStore(colours));
        EXPECT_EQ(read.state, StoreState::Fine) << read.error;
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(read.colours.history, colours.history);
        EXPECT_EQ(read.colours.contrast, colours.contrast);
    }
}

// The file as the README documents it, written by hand.
TEST(ColourStore, ReadsTheDocumentedShape) {
    const StoreRead read = ReadColourStore(R"({
        "format": "pixlin-colours", "version": 1, "written by": "a later Pixlin 1",
        "history": [{"hex": "#ff8000", "x": 120, "y": -40, "pinned": true, "note": "kept"}],
        "contrast": {"text": "#000000", "background": null}
    })");
    ASSERT_EQ(read.state, StoreState::Fine) << read.error;
    EXPECT_EQ(read.colours.history, (std::vector<HistoryEntry>{{{255, 128, 0}, {120, -40}, true}}));
    EXPECT_EQ(read.colours.contrast, (ContrastPair{Rgb{0, 0, 0}, std::nullopt}));
}

TEST(ColourStore, TellsWhyAFileCannotBeUsed) {
    const std::string head = R"({"format":"pixlin-colours","version":1,)";
    const std::string goodContrast = R"("contrast":{"text":null,"background":null})";
    const auto withEntry = [&](std::string_view entry) {
        return head + R"("history":[)" + std::string(entry) + "]," + goodContrast + "}";
    };
    struct Row {
        std::string what;
        std::string bytes;
        StoreState state;
        std::string error;  // a part of the message
    };
    std::string tooLarge = withEntry("");
    tooLarge.resize(kMaxStoreBytes + 1, ' ');
    for (const Row& row : {
             Row{"empty", "", StoreState::Damaged, "damaged: it is not valid JSON (line 1, column 1)"},
             Row{"cut short", head, StoreState::Damaged, "not valid JSON"},
             Row{"too deep", std::string(100, '['), StoreState::Damaged, "nested more than 32"},
             Row{"an array", "[]", StoreState::Foreign, "no file of Pixlin's"},
             Row{"a palette", R"({"format":"pixlin-palette","version":1,"colours":[]})", StoreState::Foreign, ""},
             Row{"a format that is no text", R"({"format":1})", StoreState::Foreign, ""},
             Row{"too large", tooLarge, StoreState::TooLarge, "larger than 1 MB"},
             Row{"newer", R"({"format":"pixlin-colours","version":2,"history":"changed"})", StoreState::Newer,
                 "newer Pixlin (version 2)"},
             Row{"version as text", R"({"format":"pixlin-colours","version":"1"})", StoreState::Damaged, "version"},
             Row{"version 0", R"({"format":"pixlin-colours","version":0})", StoreState::Damaged, "version"},
             Row{"no history", head + goodContrast + "}", StoreState::Damaged, "no \"history\""},
             Row{"x not whole", withEntry(R"({"hex":"#000000","x":1.5,"y":0,"pinned":false})"), StoreState::Damaged,
                 "history entry 1 needs"},
             Row{"x beyond 32 bits", withEntry(R"({"hex":"#000000","x":2147483648,"y":0,"pinned":false})"),
                 StoreState::Damaged, "history entry 1"},
             Row{"y below 32 bits", withEntry(R"({"hex":"#000000","x":0,"y":-2147483649,"pinned":false})"),
                 StoreState::Damaged, "history entry 1"},
             Row{"pinned missing", withEntry(R"({"hex":"#000000","x":0,"y":0})"), StoreState::Damaged,
                 "history entry 1"},
             Row{"pinned as a number", withEntry(R"({"hex":"#000000","x":0,"y":0,"pinned":1})"), StoreState::Damaged,
                 "history entry 1"},
             Row{"a colour name", withEntry(R"({"hex":"red","x":0,"y":0,"pinned":false})"), StoreState::Damaged,
                 "history entry 1"},
             Row{"an entry that is no object", withEntry(R"({"hex":"#000000","x":0,"y":0,"pinned":false},7)"),
                 StoreState::Damaged, "history entry 2"},
             Row{"no contrast", head + R"("history":[]})", StoreState::Damaged, "\"contrast\" needs"},
             Row{"a contrast side missing", head + R"("history":[],"contrast":{"text":null}})", StoreState::Damaged,
                 "\"contrast\" needs"},
             Row{"a contrast side that is no colour",
                 head + R"("history":[],"contrast":{"text":"#12345","background":null}})", StoreState::Damaged,
                 "\"contrast\" needs"},
         }) {
        const StoreRead read = ReadColourStore(row.bytes);
        EXPECT_EQ(read.state, row.state) << row.what << ": " << read.error;
        EXPECT_NE(read.error, "") << row.what;
        EXPECT_NE(read.error.find(row.error), std::string::npos) << row.what << ": " << read.error;
        EXPECT_TRUE(read.colours.history.empty()) << row.what;
    }
}

}  // namespace
}  // namespace pixlin
