#include "core/loupe/loupe_render.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "core/colour/clr_models.h"

namespace pixlin {

namespace {

constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kWhite = 0x00FFFFFF;
// A cell without a pixel in the key: pixels have 0 in the top byte.
constexpr uint32_t kNoPixel = 0xFF000000;

// Light by the luma of the YCbCr readout, so that the frame contrasts with what the readout calls bright.
bool IsLight(uint32_t pixel) {
    cClrModels model;
    model.rgbR(static_cast<uint8_t>(pixel >> 16));
    model.rgbG(static_cast<uint8_t>(pixel >> 8));
    model.rgbB(static_cast<uint8_t>(pixel));
    return model.ycbcrY() >= 128;
}

// A quarter of the way from the pixel towards black (light pixels) or white (dark ones).
uint32_t GridColour(uint32_t pixel) {
    const bool light = IsLight(pixel);
    uint32_t result = 0;
    for (const int shift : {0, 8, 16}) {
        const auto channel = static_cast<int32_t>((pixel >> shift) & 0xFFu);
        const int32_t target = light ? 0 : 255;
        result |= static_cast<uint32_t>(channel + (target - channel) / 4) << shift;
    }
    return result;
}

class Canvas {
public:
    Canvas(std::vector<uint32_t>& pixels, std::size_t width) : pixels_(pixels), width_(width) {}

    uint32_t* Row(std::size_t y) { return pixels_.data() + y * width_; }

    void Fill(std::size_t left, std::size_t top, std::size_t width, std::size_t height, uint32_t colour) {
        for (std::size_t y = top; y < top + height; ++y) {
            std::fill_n(Row(y) + left, width, colour);
        }
    }

    void Hatch(std::size_t left, std::size_t top, std::size_t size) {
        for (std::size_t y = top; y < top + size; ++y) {
            uint32_t* row = Row(y);
            for (std::size_t x = left; x < left + size; ++x) {
                row[x] = ((x + y) >> 1) % 2 == 0 ? kLoupeHatchDark : kLoupeHatchLight;
            }
        }
    }

private:
    std::vector<uint32_t>& pixels_;
    std::size_t width_;
};

// The cell's outermost ring of pixels, except its centre, which at factor 2 would lie on the ring.
void Frame(Canvas& canvas, std::size_t left, std::size_t top, std::size_t size, uint32_t colour) {
    const uint32_t kept = canvas.Row(top + size / 2)[left + size / 2];
    canvas.Fill(left, top, size, 1, colour);
    canvas.Fill(left, top + size - 1, size, 1, colour);
    canvas.Fill(left, top, 1, size, colour);
    canvas.Fill(left + size - 1, top, 1, size, colour);
    canvas.Row(top + size / 2)[left + size / 2] = kept;
}

}  // namespace

void RenderLoupe(const LoupeState& state, const ScreenPixels& screen, std::vector<uint32_t>& out) {
    const LoupeGeometry& geometry = state.Geometry();
    const auto size = static_cast<std::size_t>(geometry.Cell());
    const std::size_t width = static_cast<std::size_t>(geometry.columns) * size;
    out.resize(width * static_cast<std::size_t>(geometry.rows) * size);
    Canvas canvas(out, width);
    const bool grid = geometry.factor >= kLoupeGridFactor;

    for (int32_t row = 0; row < geometry.rows; ++row) {
        for (int32_t column = 0; column < geometry.columns; ++column) {
            const Point pixel = geometry.PixelIn({column, row}, state.View());
            const std::size_t left = static_cast<std::size_t>(column) * size;
            const std::size_t top = static_cast<std::size_t>(row) * size;
            const std::optional<uint32_t> colour = screen.At(pixel.x, pixel.y);
            if (!colour) {
                canvas.Hatch(left, top, size);
                continue;
            }
            canvas.Fill(left, top, size, size, *colour);
            if (grid && (row > 0 || column > 0)) {
                const uint32_t line = GridColour(*colour);
                if (row > 0) {
                    canvas.Fill(left, top, size, 1, line);
                }
                if (column > 0) {
                    canvas.Fill(left, top, 1, size, line);
                }
            }
        }
    }

    if (const std::optional<LoupeCell> cell = state.SelectedCell()) {
        const std::optional<uint32_t> colour = screen.At(state.Selected().x, state.Selected().y);
        const uint32_t frame = !colour || IsLight(*colour) ? kBlack : kWhite;
        Frame(canvas, static_cast<std::size_t>(cell->column) * size, static_cast<std::size_t>(cell->row) * size, size,
              frame);
    }
}

void LoupeKey(const LoupeState& state, const ScreenPixels& screen, std::vector<uint32_t>& out) {
    const LoupeGeometry& geometry = state.Geometry();
    const std::optional<LoupeCell> picked = state.SelectedCell();
    const LoupeCell none{-1, -1};
    out.assign({static_cast<uint32_t>(geometry.Cell()), static_cast<uint32_t>(geometry.factor),
                static_cast<uint32_t>(geometry.columns), static_cast<uint32_t>(geometry.rows),
                static_cast<uint32_t>(picked.value_or(none).column), static_cast<uint32_t>(picked.value_or(none).row)});
    for (int32_t row = 0; row < geometry.rows; ++row) {
        for (int32_t column = 0; column < geometry.columns; ++column) {
            const Point pixel = geometry.PixelIn({column, row}, state.View());
            out.push_back(screen.At(pixel.x, pixel.y).value_or(kNoPixel));
        }
    }
}

}  // namespace pixlin
