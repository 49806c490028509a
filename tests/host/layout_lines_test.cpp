#include "window/layout_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace pixlin {
namespace {

using Lines = std::vector<std::string_view>;

struct LinesCase {
    std::string_view bytes;
    Lines expected;
};

TEST(SplitLayoutLines, EndsLinesAtCrLfOrLoneCr) {
    const LinesCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\r\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a\n", "b"}},
        {"a\nb\nc", {"a\nb\nc"}},
        {"\n", {"\n"}},
        {"a\r\n\n", {"a", "\n"}},
        {"a\r\r", {"a", ""}},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(SplitLayoutLines(bytes), expected) << testing::PrintToString(std::string(bytes));
    }
}

TEST(SplitLayoutLines, KeepsAnyOtherBytes) {
    const std::string bytes("\xEF\xBB\xBFrgb=\0\xFF\r\nx", 12);
    EXPECT_EQ(SplitLayoutLines(bytes), (Lines{std::string_view(bytes).substr(0, 9), "x"}));
}

TEST(SplitLayoutLines, LinesViewTheBuffer) {
    const std::string bytes(10'000'000, 'x');
    const Lines lines = SplitLayoutLines(bytes);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].data(), bytes.data());
    EXPECT_EQ(lines[0].size(), bytes.size());
}

}  // namespace
}  // namespace pixlin
