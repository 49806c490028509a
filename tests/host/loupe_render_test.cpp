#include "core/loupe/loupe_render.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string_view>
#include <vector>

namespace pixlin {
namespace {

// Every pixel differs from its neighbours; the top byte is noise the loupe must ignore.
uint32_t Distinct(int32_t x, int32_t y) {
    return 0xAB000000u | static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x + y) & 0xFF));
}

std::vector<uint32_t> Pixels(const PixelRect& area, const std::function<uint32_t(int32_t, int32_t)>& colour) {
    std::vector<uint32_t> pixels;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            pixels.push_back(colour(x, y));
        }
    }
    return pixels;
}

// Seven cells across and down, in a box three pixels larger that the skin keeps, centred on the sample.
struct Rendered {
    LoupeState loupe;
    std::vector<uint32_t> pixels;

    Rendered(int32_t factor, Point sample, int32_t dpi = kStandardDpi)
        : loupe(*MakeLoupeGeometry(Box(DisplayScale(dpi).Pixels(factor)),
                                   factor,
                                   Box(DisplayScale(dpi).Pixels(factor)),
                                   DisplayScale(dpi))) {
        loupe.Follow(sample);
    }
    static PixelRect Box(int32_t factor) { return {0, 0, 7 * factor + 3, 7 * factor + 3}; }

    // Pixel (dx, dy) of a cell.
    uint32_t At(int32_t column, int32_t row, int32_t dx, int32_t dy) const {
        const int32_t factor = loupe.Geometry().factor;
        return pixels[static_cast<std::size_t>((row * factor + dy) * 7 * factor + column * factor + dx)];
    }
};

TEST(RenderLoupe, CentresKeepTheExactColourOffScreenIsHatchedAndTheGridComesAtSix) {
    // The screen begins at x 0: the view's two left columns lie beyond it, though the picture holds stale data there.
    const PixelRect area{-10, 90, 30, 130};
    const std::vector<uint32_t> picture = Pixels(area, Distinct);
    for (const int32_t factor : {2, 3, 4, 6, 8, 32}) {
        Rendered loupe(factor, {1, 110});
        RenderLoupe(loupe.loupe, {area, {0, 90, 30, 130}, picture}, loupe.pixels);
        ASSERT_EQ(loupe.pixels.size(), static_cast<std::size_t>(49 * factor * factor));
        for (int32_t row = 0; row < 7; ++row) {
            for (int32_t column = 0; column < 7; ++column) {
                const int32_t x = column - 2;
                std::set<uint32_t> colours;
                for (int32_t dy = 0; dy < factor; ++dy) {
                    for (int32_t dx = 0; dx < factor; ++dx) {
                        colours.insert(loupe.At(column, row, dx, dy));
                    }
                }
                if (x < 0) {
                    EXPECT_EQ(colours, (std::set<uint32_t>{kLoupeHatchDark, kLoupeHatchLight})) << factor;
                    continue;
                }
                const uint32_t exact = Distinct(x, 107 + row) & 0xFFFFFF;
                EXPECT_EQ(loupe.At(column, row, factor / 2, factor / 2), exact) << factor << ": " << column;
                // Solid squares, but for the faint lines from factor 6 and the frame round the middle cell.
                EXPECT_EQ(colours.size() > 1, factor >= 6 || (column == 3 && row == 3)) << factor << ": " << column;
            }
        }
    }
}

TEST(RenderLoupe, FrameInsideThePickedCellIsBlackOnLightAndWhiteOnDarkPixels) {
    const struct {
        uint32_t colour;
        uint32_t frame;
    } rows[] = {
        {0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0x808080, 0x000000}, {0x7F7F7F, 0xFFFFFF},  // luma 128, 127
        {0x00FF00, 0x000000}, {0xFF0000, 0xFFFFFF}, {0x0000FF, 0xFFFFFF}, {0xFFFF00, 0x000000},
    };
    const PixelRect area{0, 0, 20, 20};
    for (const auto& row : rows) {
        const std::vector<uint32_t> picture =
            Pixels(area, [&row](int32_t x, int32_t y) { return x == 10 && y == 10 ? row.colour : 0x123456u; });
        for (const int32_t factor : {2, 3, 8}) {
            Rendered loupe(factor, {13, 13});
            loupe.loupe.Hold(area, area);
            ASSERT_TRUE(loupe.loupe.SelectAt(1, 1));  // cell (0, 0), just inside the skin's margin
            RenderLoupe(loupe.loupe, {area, area, picture}, loupe.pixels);
            // The ring just inside the cell's edge, all but the centre, which at factor 2 is one of its corners.
            for (int32_t dy = 0; dy < factor; ++dy) {
                for (int32_t dx = 0; dx < factor; ++dx) {
                    const bool centre = dx == factor / 2 && dy == factor / 2;
                    const bool ring = dx == 0 || dy == 0 || dx == factor - 1 || dy == factor - 1;
                    EXPECT_EQ(loupe.At(0, 0, dx, dy), ring && !centre ? row.frame : row.colour)
                        << std::hex << row.colour << std::dec << " x" << factor << " at " << dx << "," << dy;
                }
            }
        }
    }
}

// The key stands in for the picture when the loupe decides whether to draw: situations that look alike must have equal
// keys, and any that look different, different ones. Each situation names its look; the pictures themselves confirm
// which look alike.
TEST(LoupeKey, EqualExactlyWhenTheLoupeShowsTheSamePicture) {
    const PixelRect area{-10, 90, 30, 130};
    const PixelRect onScreen{0, 90, 30, 130};
    const auto with = [&area](int32_t x, int32_t y, uint32_t colour) {
        return Pixels(area, [=](int32_t px, int32_t py) { return px == x && py == y ? colour : Distinct(px, py); });
    };
    const std::vector<uint32_t> distinct = Pixels(area, Distinct);
    const std::vector<uint32_t> plain = Pixels(area, [](int32_t, int32_t) { return 0x123456u; });
    const std::vector<uint32_t> blackBeyond =
        Pixels(area, [](int32_t x, int32_t y) { return x < 0 ? 0u : Distinct(x, y); });
    const struct {
        const char* look;
        int32_t factor;
        Point sample;
        std::vector<uint32_t> picture;
        PixelRect valid;
        bool pickFirstCell;
        int32_t dpi = kStandardDpi;
    } rows[] = {
        {"A", 8, {5, 110}, distinct, onScreen, false},
        {"A", 8, {5, 110}, with(25, 95, 0x000000), onScreen, false},  // a pixel beyond the cells
        {"A", 8, {5, 110}, with(5, 110, 0x11000000u | (Distinct(5, 110) & 0xFFFFFF)), onScreen, false},  // top byte
        {"B", 8, {5, 110}, with(5, 110, 0x000000), onScreen, false},  // the middle cell's pixel
        {"C", 8, {4, 112}, with(1, 109, 0x000000), onScreen, false},  // a corner cell's pixel, the view moved
        {"D", 8, {4, 112}, distinct, onScreen, false},
        {"E", 8, {6, 110}, plain, onScreen, false},  // over a plain area a move changes nothing
        {"E", 8, {7, 111}, plain, onScreen, false},
        {"F", 6, {7, 111}, plain, onScreen, false},        // the factor
        {"J", 4, {7, 111}, plain, onScreen, false, 144},   // cells as large, at 150 %, but without the lines of 6
        {"K", 6, {7, 111}, plain, onScreen, false, 144},   // the factor of F at 150 %: larger cells
        {"G", 8, {1, 110}, distinct, onScreen, false},     // two columns beyond the screen, hatched
        {"G", 8, {1, 110}, blackBeyond, onScreen, false},  // whatever the picture holds there
        {"I", 8, {1, 110}, blackBeyond, area, false},      // where black pixels are real
        {"H", 8, {5, 110}, distinct, onScreen, true},      // the pick on another cell
    };
    std::vector<std::vector<uint32_t>> keys;
    std::vector<std::vector<uint32_t>> pictures;
    for (const auto& row : rows) {
        Rendered loupe(row.factor, row.sample, row.dpi);
        if (row.pickFirstCell) {
            loupe.loupe.Hold(area, row.valid);
            ASSERT_TRUE(loupe.loupe.SelectAt(1, 1));
        }
        const ScreenPixels screen{area, row.valid, row.picture};
        RenderLoupe(loupe.loupe, screen, loupe.pixels);
        pictures.push_back(loupe.pixels);
        keys.emplace_back();
        LoupeKey(loupe.loupe, screen, keys.back());
    }
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        for (std::size_t j = i + 1; j < std::size(rows); ++j) {
            const bool alike = std::string_view(rows[i].look) == rows[j].look;
            EXPECT_EQ(pictures[i] == pictures[j], alike) << "rows " << i << " and " << j;
            EXPECT_EQ(keys[i] == keys[j], alike) << "rows " << i << " and " << j;
        }
    }
}

}  // namespace
}  // namespace pixlin
