#include "core/picture/region_runs.h"

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

TEST(ScanShape, AboveTheLimitGivesEachRowOneRectangleFromItsFirstToItsLastOpaquePixel) {
    const struct {
        std::vector<std::string> rows;
        std::size_t maxRuns;
        Runs expected;
    } cases[] = {
        {{"..."}, 0, {}},
        {{".#.#.#", "......", "#.##.."}, 4, {{1, 0, 6, 1}, {0, 2, 4, 3}}},
        {{".#.#.#", "......", "#.##.."}, 5, {{1, 0, 2, 1}, {3, 0, 4, 1}, {5, 0, 6, 1}, {0, 2, 1, 3}, {2, 2, 4, 3}}},
        {{".##.", "#..#", "...#"}, 3, {{1, 0, 3, 1}, {0, 1, 4, 2}, {3, 2, 4, 3}}},
        {{".##.", "#..#", "...#"}, 4, {{1, 0, 3, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}, {3, 2, 4, 3}}},
    };
    for (const auto& [rows, maxRuns, expected] : cases) {
        const auto height = static_cast<std::int32_t>(rows.size());
        const auto width = static_cast<std::int32_t>(rows[0].size());
        const Runs shape = ScanShape(
            width, height,
            [&](std::int32_t x, std::int32_t y) {
                return ColourOf(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            },
            maxRuns);
        EXPECT_EQ(shape, expected) << testing::PrintToString(rows) << " at most " << maxRuns;
    }
}

// A checkerboard has a run on every other pixel: the largest count a picture of its size can have.
TEST(ScanShape, KeepsTheRunsUpToTheSystemLimitAndFillsEachRowAbove) {
    const auto checkerboard = [](std::int32_t x, std::int32_t y) { return (x + y) % 2; };
    const struct {
        std::int32_t width;
        std::int32_t height;
        std::size_t runs;
        std::size_t shapeRuns;
    } rows[] = {
        {100, 200, 10000, 10000},
        {102, 200, 10200, 200},
        {1000, 1000, 500000, 1000},
    };
    for (const auto& row : rows) {
        const Runs runs = ScanRuns(row.width, row.height, checkerboard);
        ASSERT_EQ(runs.size(), row.runs) << row.width << "x" << row.height;
        const Runs shape = ScanShape(row.width, row.height, checkerboard);
        EXPECT_EQ(shape.size(), row.shapeRuns) << row.width << "x" << row.height;
        EXPECT_EQ(shape.size() == runs.size(), shape == runs) << row.width << "x" << row.height;
    }
}

}  // namespace
}  // namespace pixlin
