#include "core/layout/layout_lines.h"

#include <gtest/gtest.h>

#include <cstddef>
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

const LinesCase kCases[] = {
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

TEST(SplitLayoutLines, EndsLinesAtCrLfOrLoneCr) {
    for (const auto& [bytes, expected] : kCases) {
        EXPECT_EQ(SplitLayoutLines(bytes), expected) << testing::PrintToString(std::string(bytes));
    }
}

// The lines of the bytes fed in chunks of `chunkSize`, copied since the views die with each call.
std::vector<std::string> SplitInChunks(std::string_view bytes, std::size_t chunkSize) {
    std::vector<std::string> lines;
    const auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
    LayoutLineSplitter splitter;
    for (std::size_t at = 0; at < bytes.size(); at += chunkSize) {
        splitter.Feed(bytes.substr(at, chunkSize), keep);
    }
    splitter.Finish(keep);
    return lines;
}

TEST(LayoutLineSplitter, GivesTheLinesOfTheWholeFileWhereverTheChunksEnd) {
    for (const auto& [bytes, expected] : kCases) {
        const std::vector<std::string> want(expected.begin(), expected.end());
        for (std::size_t chunkSize = 1; chunkSize <= bytes.size() + 1; ++chunkSize) {
            EXPECT_EQ(SplitInChunks(bytes, chunkSize), want)
                << testing::PrintToString(std::string(bytes)) << " in chunks of " << chunkSize;
        }
    }
    // A CR LF pair cut between two chunks, and an empty chunk in between.
    std::vector<std::string> lines;
    const auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
    LayoutLineSplitter splitter;
    splitter.Feed("rgb=1\r", keep);
    splitter.Feed("", keep);
    splitter.Feed("\nhex=", keep);
    splitter.Feed("2", keep);
    splitter.Finish(keep);
    EXPECT_EQ(lines, (std::vector<std::string>{"rgb=1", "hex=2"}));
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
