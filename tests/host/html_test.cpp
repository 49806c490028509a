#include "core/colour/html.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/colour/colour_names.h"

namespace {

TEST(Rgb2Html, WritesRedGreenBlueInUpperCaseFromTheLow24Bits) {
    const struct {
        int32_t value;
        const char* code;
    } rows[] = {
        {33023, "'#FF8000'"},      {0, "'#000000'"},         {65535, "'#FFFF00'"},
        {16777215, "'#FFFFFF'"},   {16810239, "'#FF8000'"},  {-1, "'#FFFFFF'"},
        {0x00123456, "'#563412'"}, {INT32_MIN, "'#000000'"}, {0x7F0A0B0C, "'#0C0B0A'"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RGB2HTML(row.value), row.code) << row.value;
    }
}

TEST(Farbtext, NamesTheExamples) {
    const struct {
        const char* code;
        const char* name;
    } rows[] = {
        {"'#FF8000'", ""},
        {"'#000000'", "black - Schwarz"},
        {"'#FFFFFF'", "white - Weiß"},
        {"'#FFFF00'", "yellow - Gelb"},
        {"'#ffff00'", "yellow - Gelb"},
        {"'#fFfF00'", "yellow - Gelb"},
        {"'#808080'", "gray  - Grau"},
        {"'#D3D3D3'", "lightgray - Hellgrau"},
        {"'#CD853F'", "peru -Peru"},
        {"'#FFF0F5'", "lavenderblush - - Lavendelrosa"},
        {"'#4169E1'", "royalblue - Königsbalu"},
        {"'#BA55D3'", "mediumorchid - mittlere Orchedee"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Farbtext(row.code), row.name) << row.code;
    }
}

TEST(Farbtext, GivesNothingForTextsThatAreNotExactlyACode) {
    const char* texts[] = {
        "#ffff00",    "",          "'#ffff00",    "#ffff00'",   " '#ffff00'", "'#ffff00' ", "'ffff00'",   "'#ffff0'",
        "'#ffff000'", "'#fffg00'", "\"#ffff00\"", "'#ff ff00'", "'#FFFF00''", "'#+fff00'",  "'#ＦFFF00'", "'#FFFF00'\n",
    };
    for (const char* text : texts) {
        EXPECT_EQ(Farbtext(text), "") << text;
    }
    EXPECT_EQ(Farbtext(std::string("'#ffff00'\0", 10)), "");
}

TEST(Farbtext, FindsEveryTableEntryThroughItsColourValue) {
    for (const pixlin::NamedColour& entry : pixlin::kNamedColours) {
        const auto rgb = static_cast<int32_t>(std::stoul(std::string(entry.code.substr(2, 6)), nullptr, 16));
        const int32_t value = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
        const std::string code = RGB2HTML(value);
        EXPECT_EQ(Farbtext(code), entry.name) << entry.code;
        EXPECT_EQ(Farbtext(entry.code), entry.name) << entry.code;
    }
}

TEST(Farbtext, TableHoldsTheProgramsOwnListOnly) {
    EXPECT_EQ(pixlin::kNamedColours.size(), 137u);
    EXPECT_EQ(pixlin::kNamedColours.front().name, "aliceblue - eisfarben");
    EXPECT_EQ(pixlin::kNamedColours.back().name, "yellow - Gelb");
    // Web colours that the program's list leaves out, or spells only one way, have no name here.
    EXPECT_EQ(Farbtext("'#663399'"), "");  // rebeccapurple
    EXPECT_EQ(Farbtext("'#ff00ff'"), "fuchsia - Fuchsie (fuchsia = magenta)");
    EXPECT_EQ(Farbtext("'#00ffff'"), "aqua - Wasser (aqua = cyan) Türkis");
}

}  // namespace
