#include "winsvc/region_runs.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace pixlin {

void PrintTo(const RunRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

using Runs = std::vector<RunRect>;

constexpr std::int32_t kMagenta = 0xFF00FF;

// '.' is magenta, '+' one step off magenta, '#' black, '?' the unreadable-pixel value.
std::int32_t ColourOf(char c) {
    switch (c) {
        case '.':
            return kMagenta;
        case '+':
            return kMagenta - 1;
        case '?':
            return -1;
        default:
            return 0;
    }
}

// Scans the picture, failing the test on any read outside it.
Runs Scan(const std::vector<std::string>& rows) {
    const auto height = static_cast<std::int32_t>(rows.size());
    const auto width = rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size());
    return ScanRuns(width, height, [&](std::int32_t x, std::int32_t y) {
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << x << "," << y;
        return ColourOf(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
    });
}

struct RunsCase {
    std::vector<std::string> rows;
    Runs expected;
};

TEST(ScanRuns, FindsTheOpaqueRunsOfEachRow) {
    const RunsCase cases[] = {
        {{"...", "..."}, {}},
        {{"."}, {}},
        {{"#"}, {}},  // the top-left pixel is the key, so it is always transparent
        {{".##", "###"}, {{1, 0, 3, 1}, {0, 1, 3, 2}}},
        {{"..#.", "....", "#..#"}, {{2, 0, 3, 1}, {0, 2, 1, 3}, {3, 2, 4, 3}}},
        {{".####", ".#.#.", "....."}, {{1, 0, 5, 1}, {1, 1, 2, 2}, {3, 1, 4, 2}}},
        {{"..+..", ".?#?."}, {{2, 0, 3, 1}, {1, 1, 4, 2}}},
        {{"#..#", "####", "#.##"}, {{1, 0, 3, 1}, {1, 2, 2, 3}}},
        {{"?#", "??"}, {{1, 0, 2, 1}}},
    };
    for (const auto& [rows, expected] : cases) {
        EXPECT_EQ(Scan(rows), expected) << testing::PrintToString(rows);
    }
}

TEST(ScanRuns, EmptySizeHasNoRunsAndReadsNothing) {
    int reads = 0;
    const auto pixelAt = [&](std::int32_t, std::int32_t) {
        ++reads;
        return 0;
    };
    EXPECT_TRUE(ScanRuns(0, 5, pixelAt).empty());
    EXPECT_TRUE(ScanRuns(5, 0, pixelAt).empty());
    EXPECT_TRUE(ScanRuns(-3, 5, pixelAt).empty());
    EXPECT_TRUE(ScanRuns(5, -3, pixelAt).empty());
    EXPECT_EQ(reads, 0);
}

}  // namespace
}  // namespace pixlin
