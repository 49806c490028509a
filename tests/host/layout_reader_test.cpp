#include "core/layout/layout_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pixlin {

void PrintTo(const LayoutAssignment& a, std::ostream* os) {
    *os << "(" << static_cast<int>(a.key) << ", " << static_cast<int>(a.field) << ", " << a.amount << ")";
}

namespace {

using Assignments = std::vector<LayoutAssignment>;
using K = LayoutKey;
using P = LayoutField;

constexpr LayoutScale kScale15{15.0f, 15.0f};

LayoutAssignment Place(K key, P field, float twips) {
    return {key, field, twips};
}

LayoutAssignment Colour(K key, std::int32_t colour) {
    return {key, P::TextColour, static_cast<double>(colour)};
}

LayoutAssignment Alpha(std::int16_t alpha) {
    return {K::Trans, P::Alpha, static_cast<double>(alpha)};
}

LayoutAssignment LoupePlace(P field, float twips) {
    return {K::Zoom, field, twips};
}

LayoutAssignment Factor(std::int32_t factor) {
    return {K::Zoom, P::Factor, static_cast<double>(factor)};
}

Assignments LoupeBox(float left, float top, float width, float height) {
    return {LoupePlace(P::Left, left), LoupePlace(P::Top, top), LoupePlace(P::Width, width),
            LoupePlace(P::Height, height)};
}

Assignments Rect(K key, float left, float top, float width, float height) {
    return {Place(key, P::Left, left), Place(key, P::Top, top), Place(key, P::Width, width),
            Place(key, P::Height, height)};
}

Assignments Concat(Assignments first, const Assignments& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Assignments ReadLine(std::string_view line, LayoutScale scale = kScale15) {
    Assignments assignments;
    ReadLayoutLine(line, scale, assignments);
    return assignments;
}

struct LineCase {
    std::string_view line;
    Assignments expected;
};

void ExpectLines(const std::vector<LineCase>& cases) {
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(ReadLine(line), expected) << testing::PrintToString(std::string(line));
    }
}

TEST(ReadLayoutLine, EachKeyReadsItsPlaceAndColour) {
    ExpectLines({
        {"rgb=12,30,120,16,0", Concat(Rect(K::Rgb, 180, 450, 1800, 240), {Colour(K::Rgb, 0)})},
        {"hls=1,2,3,4,5", Concat(Rect(K::Hls, 15, 30, 45, 60), {Colour(K::Hls, 5)})},
        {"cmyk=1,2,3,4,5", Concat(Rect(K::Cmyk, 15, 30, 45, 60), {Colour(K::Cmyk, 5)})},
        {"cmy=1,2,3,4,5", Concat(Rect(K::Cmy, 15, 30, 45, 60), {Colour(K::Cmy, 5)})},
        {"long=1,2,3,4,5", Concat(Rect(K::Long, 15, 30, 45, 60), {Colour(K::Long, 5)})},
        {"hex=12,50,120,16,16711680", Concat(Rect(K::Hex, 180, 750, 1800, 240), {Colour(K::Hex, 16711680)})},
        {"ycbcr=1,2,3,4,5", Concat(Rect(K::Ycbcr, 15, 30, 45, 60), {Colour(K::Ycbcr, 5)})},
        {"text=12,70,150,18,65280", Concat(Rect(K::Text, 180, 1050, 2250, 270), {Colour(K::Text, 65280)})},
        {"preview=140,10,40,40", Rect(K::Preview, 2100, 150, 600, 600)},
        {"preview=5,5,30,30,255", Rect(K::Preview, 75, 75, 450, 450)},
        {"quit=180,2,12,12,255", Rect(K::Quit, 2700, 30, 180, 180)},
    });
}

TEST(ReadLayoutLine, KeyMustMatchExactly) {
    ExpectLines({
        {"RGB=10,20,30,40,0", {}},
        {"rgb =10,20,30,40,0", {}},
        {" rgb=10,20,30,40,0", {}},
        {"\xEF\xBB\xBFrgb=10,20,30,40,0", {}},
        {"=10,20", {}},
        {"", {}},
        {"rgb", {}},
        {"trans", {}},
    });
}

TEST(ReadLayoutLine, OnlyValuesPresentAreAssigned) {
    ExpectLines({
        {"rgb=10,20", {Place(K::Rgb, P::Left, 150), Place(K::Rgb, P::Top, 300)}},
        {"rgb=", {}},
        {"rgb=,", {Place(K::Rgb, P::Left, 0), Place(K::Rgb, P::Top, 0)}},
        {"rgb= ", {Place(K::Rgb, P::Left, 0)}},
        {"rgb=,,,,", Concat(Rect(K::Rgb, 0, 0, 0, 0), {Colour(K::Rgb, 0)})},
        {"rgb=x,1,y", {Place(K::Rgb, P::Left, 0), Place(K::Rgb, P::Top, 15), Place(K::Rgb, P::Width, 0)}},
        {"rgb=1,2,3,4,5,6,7", Concat(Rect(K::Rgb, 15, 30, 45, 60), {Colour(K::Rgb, 5)})},
        {"rgb=1,2,3,4,5=9", Concat(Rect(K::Rgb, 15, 30, 45, 60), {Colour(K::Rgb, 5)})},
        {"rgb==1,2", {}},
        {"rgb=1 0,2 0,100,16,0", Concat(Rect(K::Rgb, 150, 300, 1500, 240), {Colour(K::Rgb, 0)})},
        {"rgb=12px,20,100,16,0", Concat(Rect(K::Rgb, 180, 300, 1500, 240), {Colour(K::Rgb, 0)})},
        {"rgb=0.5,-0.2,1.1,2", Rect(K::Rgb, 7.5f, -3.0f, 16.5f, 30)},
    });
}

TEST(ReadLayoutLine, EachAssignmentStandsAlone) {
    ExpectLines({
        // Negative sizes are refused; negative positions are fine.
        {"rgb=-5,-6,-1,-2,0", {Place(K::Rgb, P::Left, -75), Place(K::Rgb, P::Top, -90), Colour(K::Rgb, 0)}},
        {"quit=1,2,-0,-3", {Place(K::Quit, P::Left, 15), Place(K::Quit, P::Top, 30), Place(K::Quit, P::Width, 0)}},
        // Twips too large for a single-precision number.
        {"rgb=1e38,1e37,3e37,1e300,7", {Place(K::Rgb, P::Top, 1.5e38f), Colour(K::Rgb, 7)}},
        // A number too large to read at all.
        {"rgb=1e999,2,-1e999,4", {Place(K::Rgb, P::Top, 30), Place(K::Rgb, P::Height, 60)}},
        {"preview=1e999,1", {Place(K::Preview, P::Top, 15)}},
    });
}

TEST(ReadLayoutLine, ColourIsRoundedHalfToEvenAndMustBeAnRgbValue) {
    struct ColourCase {
        std::string_view value;
        std::optional<std::int32_t> expected;
    };
    const ColourCase cases[] = {
        {"255.5", 256},
        {"254.5", 254},
        {"0.5", 0},
        {"-0.5", 0},
        {"16777215", 16777215},
        {"16777215.4", 16777215},
        {"16777215.5", std::nullopt},
        {"16777216", std::nullopt},
        {"-1", std::nullopt},
        {"-0.6", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"1e999", std::nullopt},
        {"&HFF", 0},
        {"", 0},
    };
    for (const auto& [value, expected] : cases) {
        const Assignments assignments = ReadLine("rgb=1,2,3,4," + std::string(value));
        Assignments want = Rect(K::Rgb, 15, 30, 45, 60);
        if (expected) {
            want.push_back(Colour(K::Rgb, *expected));
        }
        EXPECT_EQ(assignments, want) << value;
    }
}

TEST(ReadLayoutLine, UsesEachAxisFactor) {
    EXPECT_EQ(ReadLine("text=1,1,2,2", LayoutScale{12.0f, 20.0f}), Rect(K::Text, 12, 20, 24, 40));
}

TEST(ReadLayoutLine, TranslucencyTakesTheWholeValueTextBetweenZeroAndHundred) {
    ExpectLines({
        {"trans=80", {Alpha(80)}},
        {"trans=99.5", {Alpha(100)}},
        {"trans=98.5", {Alpha(98)}},
        {"trans=0.5", {Alpha(0)}},
        {"trans=50,7", {Alpha(50)}},
        {"trans= 5 0", {Alpha(50)}},
        {"trans=50=7", {Alpha(50)}},
        {"trans=100", {}},
        {"trans=0", {}},
        {"trans=-5", {}},
        {"trans=", {}},
        {"trans=1e999", {}},
        {"trans=1e-999", {}},
    });
}

TEST(ReadLayoutLine, ZoomPlacesTheLoupeAndReadsAWholeFactorFromTwoTo32) {
    const auto withFactor = [](std::int32_t factor) { return Concat(LoupeBox(15, 30, 45, 60), {Factor(factor)}); };
    const Assignments withoutFactor = LoupeBox(15, 30, 45, 60);
    ExpectLines({
        {"zoom=10,20,120,96,4", Concat(LoupeBox(150, 300, 1800, 1440), {Factor(4)})},
        {"zoom=10,20", {LoupePlace(P::Left, 150), LoupePlace(P::Top, 300)}},
        {"ZOOM=1,2,3,4,5", {}},
        {"zoom=-1,-2,-3,4,2",
         {LoupePlace(P::Left, -15), LoupePlace(P::Top, -30), LoupePlace(P::Height, 60), Factor(2)}},
        {"zoom=1,2,3,4,32", withFactor(32)},
        // A factor the loupe cannot use is skipped like any other value: the box still applies.
        {"zoom=1,2,3,4,", withoutFactor},
        {"zoom=1,2,3,4,0", withoutFactor},
        {"zoom=1,2,3,4,1", withoutFactor},
        {"zoom=1,2,3,4,33", withoutFactor},
        {"zoom=1,2,3,4,1e999", withoutFactor},
        // Fractions round half to even, as colours do.
        {"zoom=1,2,3,4,6.5", withFactor(6)},
        {"zoom=1,2,3,4,1.5", withFactor(2)},
        {"zoom=1,2,3,4,32.51", withoutFactor},
    });
}

TEST(ReadLayoutFile, AppliesLinesInFileOrder) {
    struct FileCase {
        std::string_view bytes;
        Assignments expected;
    };
    const std::vector<FileCase> cases = {
        {"", {}},
        {"\r\n\r\n\r", {}},
        {"quit=1,2\r\ntrans=50\rquit=3",
         {Place(K::Quit, P::Left, 15), Place(K::Quit, P::Top, 30), Alpha(50), Place(K::Quit, P::Left, 45)}},
        // Lone line feeds do not end lines: the rest of the file belongs to the first line's last value.
        {"quit=1\nhls=5,6,7,8,0\n", {Place(K::Quit, P::Left, 15)}},
        {"rgb=1,2,3,4,0\nhls=5,6,7,8,0\n", Concat(Rect(K::Rgb, 15, 30, 45, 60), {Colour(K::Rgb, 0)})},
        {"\xEF\xBB\xBFquit=1\r\ntrans=20\r\n", {Alpha(20)}},
        {"zoom=1,2,3,4,16\r\nzoom=5,6\r\n",
         Concat(LoupeBox(15, 30, 45, 60), {Factor(16), LoupePlace(P::Left, 75), LoupePlace(P::Top, 90)})},
        {std::string_view("quit=1\0,2\r\ntrans=20", 19),
         {Place(K::Quit, P::Left, 15), Place(K::Quit, P::Top, 30), Alpha(20)}},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(ReadLayoutFile(bytes, kScale15), expected) << testing::PrintToString(std::string(bytes));
    }
}

}  // namespace
}  // namespace pixlin
