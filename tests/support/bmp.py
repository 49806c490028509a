#!/usr/bin/env python3
"""24-bit BMP files for the end-to-end tests and the Wine benchmark.

    python3 tests/support/bmp.py WIDTH HEIGHT RRGGBB [KEY] >picture.bmp

writes a picture of one colour; with a KEY colour (RRGGBB), its top-left pixel has that colour instead.
"""

import struct
import sys


def bmp_bytes(width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b), with y = 0 the top row."""
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + image


if __name__ == "__main__":
    width, height, colour = int(sys.argv[1]), int(sys.argv[2]), tuple(bytes.fromhex(sys.argv[3]))
    key = tuple(bytes.fromhex(sys.argv[4])) if len(sys.argv) > 4 else colour
    sys.stdout.buffer.write(bmp_bytes(width, height, lambda x, y: key if x == y == 0 else colour))
