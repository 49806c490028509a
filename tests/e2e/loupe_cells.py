"""The loupe over a screen whose every pixel has a colour of its own, so that a cell's colour tells which pixel it
shows.

    loupe_cells.py picture WIDTH HEIGHT >screen.ppm
        that screen as a binary PPM
    loupe_cells.py colour X Y
        the colour of its pixel X,Y as rrggbb, or the RGB readout's text of it with --rgb
    loupe_cells.py check SHOT.rgb SHOT_WIDTH SCREEN_WIDTH SCREEN_HEIGHT LEFT,TOP,WIDTH,HEIGHT FACTOR X Y [BEFORE.rgb]
        whether the loupe in the zoom box (window pixels) of the screenshot SHOT.rgb (raw 8-bit RGB of SHOT_WIDTH
        pixels a row) shows X,Y in its middle cell at FACTOR: the centre of every cell has exactly its pixel's colour;
        a cell whose pixel lies beyond the screen shows the hatch there and, given the screenshot BEFORE.rgb, no
        longer what it showed in that one. Prints what it found; the exit status says whether all was right.

The grid: floor(WIDTH / FACTOR) cells across, one fewer when that is even, rows likewise, centred in the box. Cell
(i, j) shows the pixel (X + i - columns div 2, Y + j - rows div 2), and its centre pixel lies FACTOR div 2 right of
and below its top-left corner.
"""
import sys

# The two greys of the loupe's hatch (kLoupeHatchDark and kLoupeHatchLight in src/core/loupe/loupe_render.h). No pixel of
# a screen up to 2304 pixels wide has either, so a hatched cell can never pass for a pixel.
HATCH = {(0x90, 0x90, 0x90), (0xB0, 0xB0, 0xB0)}


def distinct(x, y):
    """The colour tests/support/distinct_pixels.h gives the pixel, as the Windows tests paint it."""
    return x & 0xFF, y & 0xFF, ((x >> 8) & 0xF) << 4 | ((y >> 8) & 0xF)


def odd_count(length, factor):
    count = length // factor
    return count - 1 if count % 2 == 0 else count


def picture(width, height):
    rows = (bytes(c for x in range(width) for c in distinct(x, y)) for y in range(height))
    sys.stdout.buffer.write(b"P6 %d %d 255\n" % (width, height) + b"".join(rows))


def check(shot_path, shot_width, screen_width, screen_height, box, factor, x, y, before_path=None):
    left, top, width, height = (int(v) for v in box.split(","))
    columns, rows = odd_count(width, factor), odd_count(height, factor)
    if columns < 1 or rows < 1:
        sys.exit(f"the box {box} holds no cell at factor {factor}")
    grid_left = left + (width - columns * factor) // 2
    grid_top = top + (height - rows * factor) // 2
    shot = open(shot_path, "rb").read()
    before = open(before_path, "rb").read() if before_path else None

    def centre(pixels, i, j):
        k = 3 * ((grid_top + j * factor + factor // 2) * shot_width + grid_left + i * factor + factor // 2)
        return tuple(pixels[k:k + 3])

    wrong, hatched = [], 0
    for j in range(rows):
        for i in range(columns):
            px, py = x + i - columns // 2, y + j - rows // 2
            seen = centre(shot, i, j)
            if 0 <= px < screen_width and 0 <= py < screen_height:
                if seen != distinct(px, py):
                    wrong.append(f"cell {i},{j} (pixel {px},{py}) is {bytes(seen).hex()}, not "
                                 f"{bytes(distinct(px, py)).hex()}")
            elif seen not in HATCH or (before and seen == centre(before, i, j)):
                wrong.append(f"cell {i},{j} (pixel {px},{py}, beyond the screen) is {bytes(seen).hex()}, not hatch")
            else:
                hatched += 1
    print(f"{columns}x{rows} cells at factor {factor} around {x},{y}: {len(wrong)} wrong, {hatched} hatched")
    for line in wrong[:5]:
        print(line)
    return not wrong


def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "picture":
        picture(int(args[0]), int(args[1]))
    elif command == "colour":
        rgb = distinct(int(args[0]), int(args[1]))
        print(",".join(map(str, rgb)) if args[2:] == ["--rgb"] else bytes(rgb).hex())
    elif command == "check":
        numbers = [int(args[1]), int(args[2]), int(args[3])]
        sys.exit(0 if check(args[0], *numbers, args[4], int(args[5]), int(args[6]), int(args[7]), *args[8:]) else 1)
    else:
        sys.exit(__doc__)


main()
