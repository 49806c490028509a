#!/usr/bin/env python3
"""Skin pictures of many runs for the end-to-end tests and the Wine benchmark, as 24-bit BMPs.

    python3 tests/support/heavy_skins.py checkerboard WIDTH HEIGHT >pixlin.dat1
    python3 tests/support/heavy_skins.py stripes RUNS >pixlin.dat1
    python3 tests/support/heavy_skins.py photo WIDTH HEIGHT PERCENT >pixlin.dat1

The key colour is magenta and always the top-left pixel. A checkerboard has a run on every other pixel; stripes is
an 801 x 400 picture with up to 160,000 RUNS runs, spread evenly over its rows; photo is a noisy picture with PERCENT % of its
pixels, chosen at random, of the key colour.
"""

import random
import sys

from bmp import bmp_bytes

KEY = (255, 0, 255)
STRIPES_WIDTH = 801
STRIPES_HEIGHT = 400


def checkerboard(width, height):
    return bmp_bytes(width, height, lambda x, y: KEY if (x + y) % 2 == 0 else (44, 51, 64))


def stripes(runs):
    """Row y has runs // 400 runs, one more for the first runs % 400 rows, each run ended by a key pixel."""
    per_row, extra = divmod(runs, STRIPES_HEIGHT)

    def pixel(x, y):
        count = per_row + (1 if y < extra else 0)
        if count == 0:
            return KEY
        # Run i covers the columns from 1 + i * period to the next key pixel.
        period = (STRIPES_WIDTH - 1) // count
        return KEY if x == 0 or (x - 1) % period == period - 1 or x > count * period else (44, 51, 64)

    return bmp_bytes(STRIPES_WIDTH, STRIPES_HEIGHT, pixel)


def photo(width, height, percent):
    chance = random.Random(12)
    keys = {(0, 0)} | {(chance.randrange(width), chance.randrange(height))
                       for _ in range(width * height * percent // 100)}
    noise = random.Random(34)
    colours = [(noise.randrange(256), noise.randrange(256), noise.randrange(240)) for _ in range(4096)]
    return bmp_bytes(width, height, lambda x, y: KEY if (x, y) in keys else colours[(x * 31 + y * 17) % 4096])


if __name__ == "__main__":
    kind, values = sys.argv[1], [int(value) for value in sys.argv[2:]]
    makers = {"checkerboard": checkerboard, "stripes": stripes, "photo": photo}
    sys.stdout.buffer.write(makers[kind](*values))
