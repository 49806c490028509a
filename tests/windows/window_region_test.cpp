#include "win32/window_region.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "support/test_window.h"

namespace pixlin {
namespace {

using Art = std::vector<std::string_view>;

// The runs of a bitmap drawn as rows of characters: '.' is the key colour, every other character its own colour.
std::vector<RunRect> RunsOf(const Art& art) {
    const auto width = static_cast<int32_t>(art.empty() ? 0 : art.front().size());
    const auto height = static_cast<int32_t>(art.size());
    return ScanRuns(width, height, [&art](int32_t x, int32_t y) {
        return static_cast<int32_t>(art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
    });
}

// The region as the window used to be given it: one rectangle region per run, joined one at a time.
Region UnionOneByOne(const std::vector<RunRect>& runs) {
    Region accumulator(CreateRectRgn(0, 0, 0, 0));
    for (const RunRect& run : runs) {
        const Region rectangle(CreateRectRgn(run.left, run.top, run.right, run.bottom));
        CombineRgn(accumulator.get(), accumulator.get(), rectangle.get(), RGN_OR);
    }
    return accumulator;
}

struct RegionData {
    DWORD count = 0;
    RECT bounds{};
    std::vector<RECT> rects;
};

RegionData DataOf(HRGN region) {
    RegionData data;
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    if (bytes == 0) {
        ADD_FAILURE() << "no region data";
        return data;
    }
    std::vector<RECT> buffer((bytes + sizeof(RECT) - 1) / sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(region, bytes, header), bytes);
    data.count = header->rdh.nCount;
    data.bounds = header->rdh.rcBound;
    const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
    data.rects.assign(rects, rects + header->rdh.nCount);
    return data;
}

TEST(RegionFromRuns, IsTheSameRegionAsTheUnionOfEveryRunRectangleByRectangle) {
    const struct {
        const char* what;
        Art art;
    } rows[] = {
        {"holes, and runs reaching either edge",
         {".##..###..##", "############", "............", "#.###.#####.", "nnnnnnnnnnnn", "..oooo##oo.."}},
        {"equal rows one above the other, which the system joins into one band",
         {"..####..", "..####..", "..####..", "#......#", "#......#"}},
        {"a frame around a hole", {"......", ".####.", ".#..#.", ".####.", "......"}},
        {"a checkerboard", {".#.#.#", "#.#.#.", ".#.#.#", "#.#.#."}},
        {"one pixel",
         {
             ".",
         }},
        {"one opaque pixel beside the key", {".#"}},
        {"the key colour only", {"....", "...."}},
    };
    for (const auto& row : rows) {
        const std::vector<RunRect> runs = RunsOf(row.art);
        const Region made = RegionFromRuns(runs);
        ASSERT_TRUE(made) << row.what;
        const Region expected = UnionOneByOne(runs);

        const RegionData got = DataOf(made.get());
        const RegionData want = DataOf(expected.get());
        ASSERT_EQ(got.count, want.count) << row.what;
        EXPECT_TRUE(EqualRect(&got.bounds, &want.bounds)) << row.what;
        for (std::size_t i = 0; i < want.rects.size(); ++i) {
            EXPECT_TRUE(EqualRect(&got.rects[i], &want.rects[i])) << row.what << ": rectangle " << i;
        }
        EXPECT_NE(EqualRgn(made.get(), expected.get()), FALSE) << row.what;
    }
}

TEST(RegionFromRuns, NoRunsGiveAnEmptyRegion) {
    const Region made = RegionFromRuns({});
    ASSERT_TRUE(made);
    RECT box{};
    EXPECT_EQ(GetRgnBox(made.get(), &box), NULLREGION);
}

// The window owns a region it took; one it refused stays the caller's, so that it is deleted instead of leaking.
TEST(SetWindowRegion, HandsTheRegionOverOnlyWhenTheWindowTookIt) {
    const testing::TestWindow live;
    HWND dead = nullptr;
    {
        const testing::TestWindow gone;
        dead = gone.get();
    }
    const struct {
        bool windowAlive;
        bool taken;
    } rows[] = {{true, true}, {false, false}};
    for (const auto& row : rows) {
        Region region(CreateRectRgn(0, 0, 10, 10));
        const HRGN made = region.get();
        EXPECT_EQ(SetWindowRegion(row.windowAlive ? live.get() : dead, region, false), row.taken);
        EXPECT_EQ(region.get(), row.taken ? nullptr : made);
        if (!row.taken) {
            EXPECT_EQ(GetObjectType(made), static_cast<DWORD>(OBJ_REGION));
        }
    }
}

}  // namespace
}  // namespace pixlin
