"""Where the text lies in each box of a screenshot: the margins between a box's edges and its ink.

    ink_margins.py SHOT.rgb WIDTH NAME:LEFT,TOP,WIDTH,HEIGHT:light|dark ...

SHOT.rgb is raw 8-bit RGB of WIDTH pixels a row. Light ink is any pixel whose darkest channel is at least 160 (light
text on a dark skin), dark ink any whose lightest channel is at most 120 (dark text on white). Prints one line a box:
NAME TOP BOTTOM LEFT RIGHT, the free rows and columns between the box's edges and its ink, or NAME none.
"""
import sys


def main():
    path, width = sys.argv[1], int(sys.argv[2])
    pixels = open(path, "rb").read()
    for box in sys.argv[3:]:
        name, rect, kind = box.split(":")
        left, top, box_width, box_height = (int(v) for v in rect.split(","))
        rows, columns = [], []
        for y in range(top, top + box_height):
            for x in range(left, left + box_width):
                i = 3 * (y * width + x)
                r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
                ink = min(r, g, b) >= 160 if kind == "light" else max(r, g, b) <= 120
                if ink:
                    rows.append(y)
                    columns.append(x)
        if not rows:
            print(name, "none")
            continue
        print(name, min(rows) - top, top + box_height - 1 - max(rows), min(columns) - left,
              left + box_width - 1 - max(columns))


main()
