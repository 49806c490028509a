#!/usr/bin/env python3
"""Seeds for skin_check_fuzz: one small valid skin for each picture format and BMP variant the checker decodes.

    python3 tests/fuzz/skin_seeds.py OUT_DIR

Each seed is what the fuzz target takes: the layout's and the sound's lengths (2 bytes each, little-endian), the
layout, the sound, then the picture to the end."""

import io
import os
import struct
import sys

from PIL import Image

WIDTH, HEIGHT = 24, 16
KEY, GREY, LIGHT = (255, 0, 255), (64, 80, 96), (200, 210, 220)
LAYOUT = b"rgb=2,2,20,5,16117996\r\nHEX=2,8,20,5\r\ntext=1,1,8,3,0\nzoom=12,4,9,9,3\r\npreview=3,3,4,4\r\nhistory=1,10,16,3,4\r\ncsshex=1,14,8,3,255\r\n"


def wave():
    samples = struct.pack("<8h", 0, 900, -900, 400, -400, 100, -100, 0)
    fmt = struct.pack("<HHIIHH", 1, 1, 8000, 16000, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body


def picture():
    """The key colour round a rectangle of two greys, with a hole in it."""
    image = Image.new("RGB", (WIDTH, HEIGHT), KEY)
    image.paste(GREY, (2, 2, WIDTH - 2, HEIGHT - 2))
    image.paste(LIGHT, (4, 4, 12, 8))
    image.paste(KEY, (14, 6, 16, 8))
    return image


def saved(image, format_name, **options):
    out = io.BytesIO()
    image.save(out, format_name, **options)
    return out.getvalue()


def bmp(bits, compression, palette, pixels, height=HEIGHT, masks=b""):
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, height, 1, bits, compression, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(masks) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + masks + palette + pixels


def indexed_rows():
    """The picture as palette indexes, bottom row first, and its palette."""
    colours = [KEY, GREY, LIGHT]
    image = picture()
    rows = [[colours.index(image.getpixel((x, y))) for x in range(WIDTH)] for y in reversed(range(HEIGHT))]
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return rows, palette


def runs(row):
    start = 0
    for x in range(1, len(row) + 1):
        if x == len(row) or row[x] != row[start]:
            yield x - start, row[start]
            start = x


def rle(four_bits):
    rows, palette = indexed_rows()
    data = bytearray()
    for row in rows:
        for count, index in runs(row):
            data += bytes((count, index << 4 | index if four_bits else index))
        data += b"\0\0"
    data += b"\0\1"
    return bmp(4 if four_bits else 8, 2 if four_bits else 1, palette, bytes(data))


def rgb565():
    image = picture()
    data = bytearray()
    for y in reversed(range(HEIGHT)):
        for x in range(WIDTH):
            r, g, b = image.getpixel((x, y))
            data += struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
    return bmp(16, 3, b"", bytes(data), masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F))


def top_down_8bit():
    rows, palette = indexed_rows()
    return bmp(8, 0, palette, b"".join(bytes(row) for row in reversed(rows)), height=-HEIGHT)


def seeds():
    image = picture()
    with_alpha = image.convert("RGBA")
    with_alpha.putpixel((3, 3), (0, 0, 0, 0))
    return {
        "bmp24": saved(image, "BMP"),
        "bmp8": saved(image.quantize(3), "BMP"),
        "bmp1": saved(image.convert("1"), "BMP"),
        "bmp8-top-down": top_down_8bit(),
        "bmp-rle8": rle(False),
        "bmp-rle4": rle(True),
        "bmp16-565": rgb565(),
        "png": saved(image, "PNG"),
        "png-alpha": saved(with_alpha, "PNG"),
        "png-palette-interlaced": saved(image.quantize(3), "PNG", interlace=1),
        "jpeg": saved(image, "JPEG", quality=90),
        "jpeg-progressive": saved(image, "JPEG", quality=90, progressive=True),
        "gif": saved(image.quantize(3), "GIF", transparency=0),
    }


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    sound = wave()
    for name, data in seeds().items():
        with open(os.path.join(out, name), "wb") as seed:
            seed.write(struct.pack("<HH", len(LAYOUT), len(sound)) + LAYOUT + sound + data)


if __name__ == "__main__":
    main()
