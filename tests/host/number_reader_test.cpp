#include "core/layout/number_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace pixlin {
namespace {

struct NumberCase {
    std::string_view text;
    double expected;
};

TEST(ReadLayoutNumber, ReadsTheLongestLeadingDecimalNumber) {
    const NumberCase cases[] = {
        {"", 0.0},      {"12", 12.0},    {"-12", -12.0},      {"+12", 12.0},    {"12.5", 12.5}, {"-.5", -0.5},
        {"5.", 5.0},    {"+", 0.0},      {"-", 0.0},          {".", 0.0},       {"+-5", 0.0},   {"1.2.3", 1.2},
        {"12px", 12.0}, {"1e3", 1000.0}, {"1E3", 1000.0},     {"2.5e-1", 0.25}, {"5.e1", 50.0}, {"1e", 1.0},
        {"1e+", 1.0},   {"1e-x", 1.0},   {"1e5.5", 100000.0}, {"&H10", 0.0},    {"0x10", 0.0},  {"010", 10.0},
        {"1d2", 1.0},   {"inf", 0.0},    {"nan", 0.0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadLayoutNumber(text), std::optional(expected)) << '"' << text << '"';
    }
}

TEST(ReadLayoutNumber, DropsSpacesTabsAndLineFeedsAnywhere) {
    const NumberCase cases[] = {
        {" 1 0", 10.0},
        {"\t-\t5", -5.0},
        {"1\n2\n", 12.0},
        {"1 e 2", 100.0},
        {"   ", 0.0},
        {"\r5", 0.0},  // only space, tab and line feed are dropped
        {std::string_view("5\0001", 3), 5.0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadLayoutNumber(text), std::optional(expected)) << '"' << text << '"';
    }
}

TEST(ReadLayoutNumber, TooLargeForADoubleIsAnOverflow) {
    for (const std::string_view text : {"1e999", "-1e999", "1e99999999999999999999", "1.8e308", " 9 e 9 9 9"}) {
        EXPECT_EQ(ReadLayoutNumber(text), std::nullopt) << text;
    }
    EXPECT_EQ(ReadLayoutNumber("1.7976931348623157e308"), std::optional(1.7976931348623157e308));
}

TEST(ReadLayoutNumber, TooSmallForADoubleReadsAsZero) {
    for (const std::string_view text : {"1e-999", "-1e-999", "0.000001e-99999999999999999999", "1e-400"}) {
        const auto value = ReadLayoutNumber(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, 0.0) << text;
    }
    EXPECT_EQ(ReadLayoutNumber("0e999"), std::optional(0.0));
}

TEST(ReadLayoutNumber, LongDigitStrings) {
    EXPECT_EQ(ReadLayoutNumber(std::string(100000, '0') + "7"), std::optional(7.0));
    EXPECT_EQ(ReadLayoutNumber("0." + std::string(100000, '0') + "1e100010"), std::optional(1e9));
    EXPECT_EQ(ReadLayoutNumber("1" + std::string(400, '0')), std::nullopt);
    EXPECT_EQ(ReadLayoutNumber("1" + std::string(400, '0') + "e-400"), std::optional(1.0));
    EXPECT_EQ(ReadLayoutNumber("1e" + std::string(100000, '0') + "3"), std::optional(1000.0));
}

}  // namespace
}  // namespace pixlin
