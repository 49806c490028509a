#!/usr/bin/env python3
"""Draws a desktop with a card of anti-aliased text, for the README's loupe picture.

    loupe_scene.py OUT.png WIDTH HEIGHT RIGHT_EDGE

The card ends just left of RIGHT_EDGE (where the picker's window begins). Prints the card's box and a point on
the soft left edge of a letter, where the loupe shows the blend between ink and paper: "x y left top right bottom".
"""

import sys

from PIL import Image, ImageDraw, ImageFont

BACKGROUND = (100, 149, 237)
PAPER = (250, 249, 246)
INK = (30, 36, 48)
FONT = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf"


def main():
    out, width, height, right_edge = sys.argv[1], *map(int, sys.argv[2:5])
    img = Image.new("RGB", (width, height), BACKGROUND)
    d = ImageDraw.Draw(img)
    card = (right_edge - 300, 60, right_edge - 24, 190)
    d.rectangle(card, fill=PAPER)
    text_font = ImageFont.truetype(FONT, 44)
    d.text((card[0] + 18, card[1] + 14), "Antialias", font=text_font, fill=INK)
    d.text((card[0] + 18, card[1] + 68), "text, 44 px", font=text_font, fill=INK)

    # The first half-inked pixel from the left along the first line's middle: an edge, not solid ink.
    y = card[1] + 14 + 30
    pixels = img.load()
    for x in range(card[0], card[2]):
        luma = sum(pixels[x, y]) / 3
        if 90 < luma < 200:
            break
    img.save(out)
    print(x, y, *card)


if __name__ == "__main__":
    main()
