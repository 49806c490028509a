#pragma once

#include <cstdint>
#include <vector>

#include "core/loupe/loupe_state.h"
#include "core/loupe/screen_pixels.h"

namespace pixlin {

// Draws the loupe's cells: `out` becomes the pixels of the geometry's grid, rows top-down, 0x00RRGGBB as a 32-bit
// DIB holds them (its memory is reused while the grid keeps its size). Each cell is a square of its screen pixel's
// exact colour, or a grey hatch where the picture holds no pixel. At factor 6 and above a faint line separates
// neighbouring cells; the picked pixel's cell has a 1-pixel frame just inside its edge, black on light pixels and
// white on dark ones. Neither ever covers a cell's centre pixel (factor / 2 across and down).
void RenderLoupe(const LoupeState& state, const ScreenPixels& screen, std::vector<uint32_t>& out);

// What RenderLoupe's picture is made of, a few words a cell instead of a picture's many: the cells' side, factor and
// number, the picked cell, and each cell's colour (a value no pixel has where the picture holds none). Equal keys make
// equal pictures, so a move that leaves the key as it was needs neither drawing nor a repaint.
void LoupeKey(const LoupeState& state, const ScreenPixels& screen, std::vector<uint32_t>& out);

// The lowest factor at which the cells are separated by a faint line.
inline constexpr int32_t kLoupeGridFactor = 6;

// The two greys of the hatch, in stripes two pixels wide running down to the left.
inline constexpr uint32_t kLoupeHatchDark = 0x00909090;
inline constexpr uint32_t kLoupeHatchLight = 0x00B0B0B0;

}  // namespace pixlin
