#include "core/palette/palette_files.h"
#include "core/palette/ase_palette.h"
#include "core/palette/css_palette.h"
#include "core/palette/gpl_palette.h"
#include "core/palette/json_palette.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin {
namespace {

using namespace std::string_literals;

}  // namespace

void PrintTo(const PaletteEntry& entry, std::ostream* out) {
    *out << static_cast<int>(entry.colour.r) << "," << static_cast<int>(entry.colour.g) << ","
         << static_cast<int>(entry.colour.b) << " \"" << entry.name << "\"";
}

namespace {

// Names with two-byte UTF-8, a character beyond the 16-bit plane (a surrogate pair in ASE), and none at all.
const Palette kPalette{"Herbst \xC3\xA4 \xF0\x9F\x8E\xA8",
                       {{{255, 128, 0}, "orange"},
                        {{0, 0, 0}, ""},
                        {{255, 255, 255}, "Wei\xC3\x9F"},
                        {{1, 2, 254}, "\xF0\x9F\x8E\xA8 paint"},
                        {{127, 128, 129}, "grey, almost"}}};

TEST(PaletteFiles, WhatIsWrittenReadsBackTheSame) {
    for (const PaletteFormat format : {PaletteFormat::Gpl, PaletteFormat::Ase, PaletteFormat::Json}) {
        const PaletteRead read = ReadPalette(format, WritePalette(format, kPalette));
        EXPECT_EQ(read.error, "") << static_cast<int>(format);
        EXPECT_EQ(read.skipped, 0u);
        EXPECT_EQ(read.palette.entries, kPalette.entries) << static_cast<int>(format);
        EXPECT_EQ(read.palette.name, kPalette.name) << static_cast<int>(format);
    }
    // Every possible channel value survives the float32 of ASE.
    Palette ramp;
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        ramp.entries.push_back({{v, static_cast<std::uint8_t>(255 - i), v}, ""});
    }
    EXPECT_EQ(ReadAse(WriteAse(ramp)).palette.entries, ramp.entries);
    EXPECT_EQ(ReadGpl(WriteGpl(ramp)).palette.entries, ramp.entries);
}

TEST(PaletteFiles, FormatFromTheExtensionInAnyCase) {
    struct Row {
        std::string_view name;
        std::optional<PaletteFormat> format;
    };
    for (const Row& row : {
             Row{"warm.gpl", PaletteFormat::Gpl},
             Row{"C:\\Users\\me\\Warm.ASE", PaletteFormat::Ase},
             Row{"site.Css", PaletteFormat::Css},
             Row{"a.b.json", PaletteFormat::Json},
             Row{"json", std::nullopt},
             Row{"warm.gpl.txt", std::nullopt},
             Row{"warm.", std::nullopt},
             Row{"C:\\pal.json\\warm", std::nullopt},
             Row{"./gpl", std::nullopt},
         }) {
        EXPECT_EQ(PaletteFormatOf(row.name), row.format) << row.name;
    }
    EXPECT_EQ(PaletteFormatOf(std::wstring_view(L"D:\\Farben\\Herbst.GPL")), PaletteFormat::Gpl);
    EXPECT_FALSE(CanImport(PaletteFormat::Css));
    EXPECT_NE(ReadPalette(PaletteFormat::Css, WriteCss(kPalette)).error, "");
}

TEST(GplPalette, WritesGimpsLayout) {
    const Palette palette{"Warm\tand\r\nnew", {{{255, 0, 0}, " Red\t"}, {{0, 128, 255}, ""}}};
    EXPECT_EQ(WriteGpl(palette),
              "GIMP Palette\nName: Warm and  new\nColumns: 8\n#\n"
              "255   0   0\tRed\n"
              "  0 128 255\t\n");
}

struct ReadRow {
    std::string_view what;
    std::string bytes;
    std::vector<PaletteEntry> entries;
    std::string error;  // a part of the message; empty for a good file
};

void CheckRows(PaletteRead (*reader)(std::string_view), const std::vector<ReadRow>& rows) {
    for (const ReadRow& row : rows) {
        const PaletteRead read = reader(row.bytes);
        if (row.error.empty()) {
            EXPECT_EQ(read.error, "") << row.what;
        } else {
            EXPECT_NE(read.error.find(row.error), std::string::npos) << row.what << ": " << read.error;
            EXPECT_TRUE(read.palette.entries.empty()) << row.what;
        }
        EXPECT_EQ(read.palette.entries, row.entries) << row.what;
    }
}

// Files as GIMP and other programs write them, not as our writer does.
TEST(GplPalette, ReadsWhatOthersWriteAndNamesTheBadLine) {
    const std::vector<PaletteEntry> three{{{255, 0, 0}, "Red"}, {{0, 128, 255}, "Sky blue"}, {{10, 20, 30}, ""}};
    CheckRows(ReadGpl,
              {
                  {"CR LF, comments, blank lines, tabs and blanks",
                   "GIMP Palette\r\nName: Warm\r\nColumns: 4\r\n#\r\n255   0   0\tRed\r\n  0 128 255 Sky blue  "
                   "\r\n# a comment\r\n\r\n 10\t20\t30\r\n",
                   three, ""},
                  {"a byte order mark, no Name or Columns, lone CRs, no last line end",
                   "\xEF\xBB\xBFGIMP Palette\r255 0 0 Red\r0 128 255\tSky blue\r10 20 30", three, ""},
                  {"a name that is no UTF-8", "GIMP Palette\n1 2 3 caf\xE9\n", {{{1, 2, 3}, "caf\xEF\xBF\xBD"}}, ""},
                  {"two numbers", "GIMP Palette\nName: x\n255 0\n", {}, "Line 3 of the GIMP palette is no colour"},
                  {"a number above 255",
                   "GIMP Palette\n\n256 0 0 big\n",
                   {},
                   "Line 3 of the GIMP palette has a number above 255"},
                  {"a name stuck to a number", "GIMP Palette\n1 2 3x\n", {}, "Line 2"},
                  {"a sign", "GIMP Palette\n-1 2 3\n", {}, "Line 2"},
                  {"leading zeros", "GIMP Palette\n1 2 00000000000000000000003\n", {{{1, 2, 3}, ""}}, ""},
                  {"a long number",
                   "GIMP Palette\n1 2 99999999999999999999999\n",
                   {},
                   "Line 2 of the GIMP palette has a number above 255"},
                  {"another palette format", "JASC-PAL\n0100\n1\n255 0 0\n", {}, "no GIMP palette"},
                  {"empty", "", {}, "no GIMP palette"},
              });
}

// Bytes laid out by hand as the format has them, with what our writer never writes: a group, other colour models,
// spot and normal colours, names cut at a NUL, surrogates alone and in pairs, components beyond 0..1.
std::string Big16(std::uint32_t value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}
std::string Big32(std::uint32_t value) {
    return Big16(value >> 16) + Big16(value & 0xFFFF);
}
std::string Block(std::uint32_t type, const std::string& body) {
    return Big16(type) + Big32(static_cast<std::uint32_t>(body.size())) + body;
}
std::string Name(const std::vector<std::uint32_t>& units) {
    std::string bytes = Big16(static_cast<std::uint32_t>(units.size()));
    for (const std::uint32_t unit : units) {
        bytes += Big16(unit);
    }
    return bytes;
}
std::string Ase(std::uint32_t count, const std::string& blocks) {
    return "ASEF"s + Big16(1) + Big16(0) + Big32(count) + blocks;
}
constexpr std::uint32_t kOne = 0x3F800000;   // 1.0f
constexpr std::uint32_t kHalf = 0x3F000000;  // 0.5f
constexpr std::uint32_t kNaN = 0x7FC00000;
constexpr std::uint32_t kTooMuch = 0x3FC00000;  // 1.5f
constexpr std::uint32_t kBelow = 0xBE4CCCCD;    // -0.2f

std::string RgbBlock(const std::vector<std::uint32_t>& name,
                     std::uint32_t r,
                     std::uint32_t g,
                     std::uint32_t b,
                     std::uint32_t type) {
    return Block(1, Name(name) + "RGB " + Big32(r) + Big32(g) + Big32(b) + Big16(type));
}

TEST(AsePalette, ReadsTheLayoutByHand) {
    const std::string group = Block(0xC001, Name({'W', 'e', 'b', 0}));
    const std::string blocks =
        group + RgbBlock({'R', 'e', 'd', 0}, kOne, 0, 0, 2) +
        Block(1, Name({'C', 0}) + "CMYK" + Big32(0) + Big32(kOne) + Big32(kOne) + Big32(0) + Big16(1)) +
        Block(1, Name({0}) + "Gray" + Big32(kHalf) + Big16(2)) +
        Block(1, Name({'L', 0}) + "LAB " + Big32(kHalf) + Big32(0) + Big32(0) + Big16(2)) +
        // U+1F3A8 as a pair, then a high surrogate alone; the text after the NUL is no part of the name.
        RgbBlock({0xD83C, 0xDFA8, 0xD800, '!', 0, 'x', 0}, kHalf, kTooMuch, kBelow, 0) +
        // A block type Pixlin does not know, then the group's end.
        Block(0x0042, "ignored") + Block(0xC002, "");
    const std::vector<PaletteEntry> both{{{255, 0, 0}, "Red"}, {{128, 255, 0}, "\xF0\x9F\x8E\xA8\xEF\xBF\xBD!"}};
    const PaletteRead read = ReadAse(Ase(8, blocks) + "trailing bytes");
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.palette.entries, both);
    EXPECT_EQ(read.palette.name, "Web");
    EXPECT_EQ(read.skipped, 3u);

    const std::string red = RgbBlock({'R', 0}, kOne, 0, 0, 2);
    const std::vector<PaletteEntry> justRed{{{255, 0, 0}, "R"}};
    CheckRows(ReadAse, {
                           {"a name of no units", Ase(1, RgbBlock({}, kOne, 0, 0, 2)), {{{255, 0, 0}, ""}}, ""},
                           {"a block length shorter than the file", Ase(1, red), justRed, ""},
                           {"no header", "ASEF"s + Big16(1), {}, "no Adobe swatch exchange file"},
                           {"another signature", "ASEX"s + Big16(1) + Big16(0) + Big32(0), {}, "no Adobe"},
                           {"version 2", "ASEF"s + Big16(2) + Big16(0) + Big32(0), {}, "version 2"},
                           {"more blocks counted than there are", Ase(2, red), {}, "ends before block 2 of 2"},
                           {"a block longer than the file",
                            Ase(1, red.substr(0, red.size() - 1)),
                            {},
                            "Block 1 of the ASE file runs past the end"},
                           {"a name longer than its block",
                            Ase(1, Block(1, Name({'R', 0}).substr(0, 4))),
                            {},
                            "Block 1 of the ASE file has a name longer"},
                           {"a model cut short", Ase(1, Block(1, Name({0}) + "RG")), {}, "before its colour model"},
                           {"components cut short",
                            Ase(1, Block(1, Name({0}) + "RGB " + Big32(0) + Big32(0))),
                            {},
                            "ends inside its colour"},
                           {"no colour type",
                            Ase(1, Block(1, Name({0}) + "RGB " + Big32(0) + Big32(0) + Big32(0))),
                            {},
                            "ends inside its colour"},
                           {"a component that is no number",
                            Ase(2, red + RgbBlock({0}, 0, kNaN, 0, 2)),
                            {},
                            "Block 2 of the ASE file has a colour component that is no number"},
                       });
}

TEST(CssPalette, SafeUniqueNames) {
    const Palette palette{"",
                          {{{255, 128, 0}, "Sky Blue"},
                           {{0, 0, 0}, "sky-blue"},
                           {{1, 2, 3}, ""},
                           {{4, 5, 6}, "colour 3"},
                           {{7, 8, 9},
                            "--\xC3\x9C"
                            "ber  1! "},
                           {{10, 11, 12}, "\xE2\x82\xAC"},
                           {{13, 14, 15}, "Sky blue"}}};
    EXPECT_EQ(WriteCss(palette),
              ":root {\n"
              "    --sky-blue: #FF8000;\n"
              "    --sky-blue-2: #000000;\n"
              "    --colour-3: #010203;\n"
              "    --colour-3-2: #040506;\n"
              "    --ber-1: #070809;\n"
              "    --colour-6: #0A0B0C;\n"
              "    --sky-blue-3: #0D0E0F;\n"
              "}\n");
}

TEST(JsonPalette, StrictAboutWhatItUsesPassesOverTheRest) {
    CheckRows(ReadJsonPalette,
              {
                  {"extra members, hex in lower case, no names",
                   R"({"format":"pixlin-palette","version":1,"comment":[1,2],"colours":[{"hex":"#ff8000","alpha":1},
                      {"hex":"#000000","name":"black"}]})",
                   {{{255, 128, 0}, ""}, {{0, 0, 0}, "black"}},
                   ""},
                  {"not JSON",
                   "{\"format\": \"pixlin-palette\",\n  \"version\": x}",
                   {},
                   "is not valid JSON (line 2, column 14)"},
                  {"too deep", std::string(40, '[') + std::string(40, ']'), {}, "nested more than 32 levels deep"},
                  {"someone else's JSON", R"({"colours":[]})", {}, "no Pixlin palette"},
                  {"a newer version", R"({"format":"pixlin-palette","version":2,"colours":[]})", {}, "version 2"},
                  {"a version that is text",
                   R"({"format":"pixlin-palette","version":"1","colours":[]})",
                   {},
                   "no \"version\""},
                  {"colours that are no list",
                   R"({"format":"pixlin-palette","version":1,"colours":{}})",
                   {},
                   "no list of \"colours\""},
                  {"a short hex",
                   R"({"format":"pixlin-palette","version":1,"colours":[{"hex":"#000000"},{"hex":"#F80"}]})",
                   {},
                   "Colour 2 of the palette file has no \"hex\""},
                  {"a name that is a number",
                   R"({"format":"pixlin-palette","version":1,"colours":[{"hex":"#000000","name":7}]})",
                   {},
                   "Colour 1"},
              });
}

// Each reader refuses a file above 1 MB before reading it, and a palette of more than 4,096 colours.
TEST(PaletteFiles, SizeAndCountLimits) {
    for (const PaletteFormat format : {PaletteFormat::Gpl, PaletteFormat::Ase, PaletteFormat::Json}) {
        Palette many;
        many.entries.resize(kMaxPaletteEntries, PaletteEntry{{1, 2, 3}, ""});
        const std::string largest = WritePalette(format, many);
        EXPECT_EQ(ReadPalette(format, largest).palette.entries.size(), kMaxPaletteEntries);
        many.entries.push_back({});
        EXPECT_NE(ReadPalette(format, WritePalette(format, many)).error.find("more than 4096 colours"),
                  std::string::npos);
        std::string huge = largest;
        huge.resize(kMaxPaletteBytes + 1, ' ');
        EXPECT_NE(ReadPalette(format, huge).error.find("larger than 1 MB"), std::string::npos);
    }
}

}  // namespace
}  // namespace pixlin
