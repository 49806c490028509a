#include "window/loupe_render.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace pixlin {
namespace {

// A picture in which every pixel differs from its neighbours; the top byte holds noise the loupe must ignore.
uint32_t Distinct(int32_t x, int32_t y) {
    return 0xAB000000u | static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x + y) & 0xFF));
}

struct Picture {
    PixelRect area;
    std::vector<uint32_t> pixels;

    Picture(const PixelRect& covered, const std::function<uint32_t(int32_t, int32_t)>& colour) : area(covered) {
        for (int32_t y = covered.top; y < covered.bottom; ++y) {
            for (int32_t x = covered.left; x < covered.right; ++x) {
                pixels.push_back(colour(x, y));
            }
        }
    }

    ScreenPixels Block(const PixelRect& valid) const { return {area, valid, pixels}; }
};

struct Rendered {
    LoupeGeometry geometry;
    std::vector<uint32_t> pixels;

    uint32_t At(std::size_t x, std::size_t y) const {
        return pixels[y * static_cast<std::size_t>(geometry.columns * geometry.factor) + x];
    }
    // Pixel (dx, dy) inside a cell.
    uint32_t InCell(int32_t column, int32_t row, int32_t dx, int32_t dy) const {
        return At(static_cast<std::size_t>(column * geometry.factor + dx),
                  static_cast<std::size_t>(row * geometry.factor + dy));
    }
};

Rendered Render(const LoupeState& loupe, const ScreenPixels& screen) {
    Rendered result{loupe.Geometry(), {}};
    RenderLoupe(loupe, screen, result.pixels);
    return result;
}

LoupeState LoupeAt(int32_t factor, int32_t cells, Point sample) {
    // Three pixels more than the cells need: they are left to the skin.
    const PixelRect box{0, 0, cells * factor + 3, cells * factor + 3};
    LoupeState loupe(*MakeLoupeGeometry(box, factor, box));
    loupe.Follow(sample);
    return loupe;
}

TEST(RenderLoupe, CellCentresShowTheirPixelExactlyAndOffScreenCellsAHatch) {
    // The screen begins at x 0: the view's left two columns lie beyond it, yet the picture holds stale data there.
    const Picture picture({-10, 90, 30, 130}, Distinct);
    const ScreenPixels screen = picture.Block({0, 90, 30, 130});
    for (const int32_t factor : {2, 3, 4, 6, 8, 12, 32}) {
        const Rendered loupe = Render(LoupeAt(factor, 7, {1, 110}), screen);
        ASSERT_EQ(loupe.pixels.size(), static_cast<std::size_t>(49 * factor * factor)) << factor;
        for (int32_t row = 0; row < 7; ++row) {
            for (int32_t column = 0; column < 7; ++column) {
                const int32_t x = 1 + column - 3;
                const int32_t y = 110 + row - 3;
                if (x >= 0) {
                    EXPECT_EQ(loupe.InCell(column, row, factor / 2, factor / 2), Distinct(x, y) & 0xFFFFFF)
                        << factor << ": " << column << "," << row;
                    continue;
                }
                std::set<uint32_t> colours;
                for (int32_t dy = 0; dy < factor; ++dy) {
                    for (int32_t dx = 0; dx < factor; ++dx) {
                        colours.insert(loupe.InCell(column, row, dx, dy));
                    }
                }
                EXPECT_EQ(colours, (std::set<uint32_t>{kLoupeHatchDark, kLoupeHatchLight}))
                    << factor << ": " << column << "," << row;
            }
        }
    }
}

TEST(RenderLoupe, FaintGridBetweenCellsOnlyFromFactorSix) {
    const Picture picture({0, 0, 20, 20}, [](int32_t, int32_t) { return 0x00204080u; });
    const ScreenPixels screen = picture.Block(picture.area);
    for (const int32_t factor : {2, 3, 4, 6, 8, 32}) {
        const Rendered loupe = Render(LoupeAt(factor, 5, {10, 10}), screen);
        const bool grid = factor >= 6;
        // The edge a cell shares with its left or upper neighbour; the loupe's own outer edge stays clear.
        const uint32_t shared = loupe.InCell(1, 0, 0, factor / 2);
        EXPECT_EQ(shared != 0x00204080u, grid) << factor;
        EXPECT_EQ(loupe.InCell(0, 1, factor / 2, 0), shared) << factor;
        EXPECT_EQ(loupe.InCell(0, 0, 0, factor / 2), 0x00204080u) << factor;
        EXPECT_EQ(loupe.InCell(4, 4, factor - 1, factor / 2), 0x00204080u) << factor;
        if (grid) {
            // Dark pixels get a lighter line, a quarter of the way to white.
            EXPECT_EQ(shared, 0x00576F9Fu) << factor;
        }
    }
}

TEST(RenderLoupe, FrameInsideThePickedCellIsBlackOnLightAndWhiteOnDark) {
    struct Row {
        uint32_t colour;
        uint32_t frame;
    };
    const Row rows[] = {
        {0x00FFFFFF, 0x00000000}, {0x00000000, 0x00FFFFFF}, {0x00808080, 0x00000000},  // luma 128
        {0x007F7F7F, 0x00FFFFFF},                                                      // luma 127
        {0x0000FF00, 0x00000000}, {0x00FF0000, 0x00FFFFFF}, {0x000000FF, 0x00FFFFFF}, {0x00FFFF00, 0x00000000},
    };
    for (const Row& row : rows) {
        static uint32_t colour;
        colour = row.colour;
        const Picture picture({0, 0, 20, 20},
                              [](int32_t x, int32_t y) { return x == 10 && y == 10 ? colour : 0x00123456u; });
        for (const int32_t factor : {2, 3, 8}) {
            LoupeState state = LoupeAt(factor, 5, {12, 12});
            state.Hold(picture.area, picture.area);
            ASSERT_TRUE(state.SelectAt(1, 1));  // cell (0, 0), just inside the skin's margin
            const Rendered loupe = Render(state, picture.Block(picture.area));
            // The ring just inside the cell's edge, all but the centre, which at factor 2 is one of its corners.
            for (int32_t dy = 0; dy < factor; ++dy) {
                for (int32_t dx = 0; dx < factor; ++dx) {
                    const bool centre = dx == factor / 2 && dy == factor / 2;
                    const bool ring = dx == 0 || dy == 0 || dx == factor - 1 || dy == factor - 1;
                    const uint32_t expected = ring && !centre ? row.frame : row.colour;
                    EXPECT_EQ(loupe.InCell(0, 0, dx, dy), expected)
                        << std::hex << row.colour << std::dec << " x" << factor << " at " << dx << "," << dy;
                }
            }
            EXPECT_EQ(loupe.InCell(1, 0, factor / 2, factor / 2), 0x00123456u) << std::hex << row.colour;
        }
    }
}

TEST(RenderLoupe, APictureShorterThanItsAreaShowsOnlyHatch) {
    const Picture picture({0, 0, 20, 20}, Distinct);
    ScreenPixels screen = picture.Block(picture.area);
    screen.pixels = screen.pixels.first(10);
    const Rendered loupe = Render(LoupeAt(4, 3, {10, 10}), screen);
    for (const uint32_t pixel : loupe.pixels) {
        EXPECT_TRUE(pixel == kLoupeHatchDark || pixel == kLoupeHatchLight || pixel == 0) << std::hex << pixel;
    }
}

}  // namespace
}  // namespace pixlin
