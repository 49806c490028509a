#!/usr/bin/env python3
"""Generates Pixlin's default skin, click sound and program icon.

Regenerate from the repository root with

    python3 skin/make_skin.py [output folder]

It needs Pillow (Debian: python3-pil, so use Debian's /usr/bin/python3 if
another python3 comes first on the path) and the fonts of fonts-liberation. Output is byte-for-byte the same on every run, so the
generated files can be committed and diffed:

    skin/pixlin.dat0    layout text: where the readouts sit on the bitmap
    skin/pixlin.dat1    skin bitmap (24-bit BMP); its top-left pixel is the key colour
    skin/pixlin.dat2    click sound (16-bit PCM mono WAV)
    src/app/pixlin.ico  program icon (16, 32 at 256 colours, 48, 256)
"""

import io
import math
import struct
import sys
import wave
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent
SKIN_DIR = ROOT / "skin"
ICON_PATH = ROOT / "src" / "app" / "pixlin.ico"

LIBERATION = Path("/usr/share/fonts/truetype/liberation")

# The window region cuts away every pixel of exactly this colour, so nothing
# else in the bitmap may ever come out as this value.
KEY = (255, 0, 255)

PANEL = (44, 51, 64)
PANEL_EDGE = (88, 99, 118)
PANEL_SHADE = (36, 42, 53)
FIELD = (30, 35, 45)
FIELD_TOP = (22, 26, 33)
FIELD_BOTTOM = (62, 71, 88)
CAPTION = (139, 152, 173)
HINT = (104, 116, 136)
TITLE = (178, 189, 205)
VALUE_TEXT = (236, 240, 245)
NAME_FIELD = (255, 255, 255)
NAME_TEXT = (32, 38, 48)
SWATCH_RING = (98, 110, 130)
SWATCH_GAP = (18, 21, 27)
QUIT_FILL = (186, 78, 78)
QUIT_CROSS = (250, 236, 236)

WIDTH, HEIGHT = 300, 400
CORNER = 10
TAB_WIDTH = 104   # the raised title tab at the top left
TAB_DROP = 10     # how far the rest of the top edge sits below the tab
# The tab's right side is an S: a convex and a concave quarter circle that
# together span the drop, so the outline stays one unbroken edge.
TAB_CORNER = TAB_DROP // 2
FILLET = TAB_DROP - TAB_CORNER

ROW_TOP, ROW_PITCH, ROW_HEIGHT = 38, 22, 20
CAPTION_X = 120
FIELD_X, FIELD_W = 164, 124
# Readout text is drawn from the label's top edge; Arial bold at 13 px needs
# 15 px of line, so a 16 px label sits two pixels into its 20 px field.
LABEL_INSET_X, LABEL_INSET_Y, LABEL_H = 6, 2, 16

READOUTS = [  # (layout key, caption)
    ("rgb", "RGB"),
    ("hex", "HEX"),
    ("long", "LONG"),
    ("hls", "HLS"),
    ("cmy", "CMY"),
    ("cmyk", "CMYK"),
    ("ycbcr", "YCbCr"),
]

SWATCH_FRAME = (12, ROW_TOP, 96, ROW_PITCH * (len(READOUTS) - 1) + ROW_HEIGHT)
NAME_FRAME = (50, 200, WIDTH - 12 - 50, 24)
NAME_INSET_X, NAME_INSET_Y = 6, 4
QUIT_CENTRE, QUIT_RADIUS = (WIDTH - 20, 20), 8

# The loupe sits under the readouts, so every place above it is the same as in the loupe-less design. Its box
# holds a whole grid at the starting factor (33 x 17 cells of 8 px); other factors leave a dark rim.
LOUPE_FACTOR = 8
LOUPE_CELLS = (33, 17)
LOUPE_FRAME = (12, 234, 276, 142)
LOUPE_HINT = "Frozen: click a pixel, arrows step \u00b7 wheel zooms"

SUPERSAMPLE = 4


def font(folder, name, size):
    return ImageFont.truetype(str(folder / name), size)


def colour_ref(rgb):
    """The layout file's colour number: 0x00BBGGRR in decimal."""
    r, g, b = rgb
    return r | (g << 8) | (b << 16)


def inside_rounded_rect(px, py, left, top, right, bottom, radius):
    """Whether the pixel centre (px, py) lies in the rounded rectangle."""
    if not (left <= px < right and top <= py < bottom):
        return False
    cx = min(max(px, left + radius), right - radius)
    cy = min(max(py, top + radius), bottom - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2


def panel_mask():
    """Pixel-exact outline: no pixel is a blend, so the key colour stays exact."""
    mask = Image.new("1", (WIDTH, HEIGHT), 0)
    pixels = mask.load()
    fillet_cx, fillet_cy = TAB_WIDTH + FILLET, TAB_DROP - FILLET
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            body = inside_rounded_rect(px, py, 0, TAB_DROP, WIDTH, HEIGHT, CORNER)
            tab_radius = CORNER if px < TAB_WIDTH / 2 else TAB_CORNER
            tab = inside_rounded_rect(px, py, 0, 0, TAB_WIDTH, TAB_DROP + 2 * CORNER, tab_radius)
            fillet = (TAB_WIDTH <= px < fillet_cx and fillet_cy <= py < TAB_DROP
                      and (px - fillet_cx) ** 2 + (py - fillet_cy) ** 2 > FILLET ** 2)
            pixels[x, y] = 1 if (body or tab or fillet) else 0
    return mask


def draw_surface():
    """Panel decoration at a larger scale, shrunk later for smooth corners inside the panel."""
    s = SUPERSAMPLE
    big = Image.new("RGB", (WIDTH * s, HEIGHT * s), PANEL)
    d = ImageDraw.Draw(big)

    def box(rect):
        x, y, w, h = rect
        return [x * s, y * s, (x + w) * s - 1, (y + h) * s - 1]

    for index in range(len(READOUTS)):
        field = (FIELD_X, ROW_TOP + index * ROW_PITCH, FIELD_W, ROW_HEIGHT)
        recessed_field(d, box, field)

    sx, sy, sw, sh = SWATCH_FRAME
    d.rounded_rectangle(box(SWATCH_FRAME), radius=4 * s, fill=SWATCH_RING)
    d.rounded_rectangle(box((sx + 1, sy + 1, sw - 2, sh - 2)), radius=3 * s, fill=SWATCH_GAP)

    lx, ly, lw, lh = LOUPE_FRAME
    d.rounded_rectangle(box(LOUPE_FRAME), radius=4 * s, fill=SWATCH_RING)
    d.rounded_rectangle(box((lx + 1, ly + 1, lw - 2, lh - 2)), radius=3 * s, fill=SWATCH_GAP)

    nx, ny, nw, nh = NAME_FRAME
    d.rounded_rectangle(box(NAME_FRAME), radius=3 * s, fill=FIELD_BOTTOM)
    d.rectangle(box((nx + 1, ny + 1, nw - 2, nh - 2)), fill=NAME_FIELD)

    cx, cy = QUIT_CENTRE
    r = QUIT_RADIUS
    d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=QUIT_FILL)
    arm = 3.2 * s
    for sign in (1, -1):
        d.line([(cx * s - arm, cy * s - sign * arm), (cx * s + arm, cy * s + sign * arm)],
               fill=QUIT_CROSS, width=int(1.6 * s))

    # Box averaging keeps flat areas exactly flat, unlike a ringing filter.
    return big.reduce(s)


def recessed_field(d, box, rect):
    x, y, w, h = rect
    s = SUPERSAMPLE
    d.rounded_rectangle(box(rect), radius=3 * s, fill=FIELD_BOTTOM)
    d.rounded_rectangle(box((x, y, w, h - 1)), radius=3 * s, fill=FIELD_TOP)
    d.rounded_rectangle(box((x, y + 1, w, h - 2)), radius=3 * s, fill=FIELD)


def draw_tracked(d, xy, text, fnt, fill, tracking):
    """Small capitals read better with a little air between the letters."""
    x, y = xy
    for ch in text:
        d.text((x, y), ch, font=fnt, fill=fill)
        x += fnt.getlength(ch) + tracking


def draw_texts(img):
    d = ImageDraw.Draw(img)
    caption_font = font(LIBERATION, "LiberationSans-Bold.ttf", 10)
    for index, (_, caption) in enumerate(READOUTS):
        top = ROW_TOP + index * ROW_PITCH
        draw_tracked(d, (CAPTION_X, top + 5), caption, caption_font, CAPTION, 0.6)
    name_top = NAME_FRAME[1]
    draw_tracked(d, (12, name_top + 7), "NAME", caption_font, CAPTION, 0.6)

    title_font = font(LIBERATION, "LiberationSans-Bold.ttf", 14)
    logo_x, logo_y = 14, 9
    tiles = [(232, 92, 84), (92, 196, 120), (84, 140, 232), (240, 200, 80)]
    for i, tile in enumerate(tiles):
        tx = logo_x + (i % 2) * 6
        ty = logo_y + (i // 2) * 6
        d.rectangle([tx, ty, tx + 4, ty + 4], fill=tile)
    d.text((logo_x + 17, 6), "Pixlin", font=title_font, fill=TITLE)

    # The freeze key is invisible otherwise; a quiet reminder beside the quit mark.
    hint = "Ctrl+F12 freeze"
    hint_font = font(LIBERATION, "LiberationSans-Regular.ttf", 10)
    hint_right = QUIT_CENTRE[0] - QUIT_RADIUS - 8
    d.text((hint_right - hint_font.getlength(hint), QUIT_CENTRE[1] - 6), hint, font=hint_font, fill=HINT)

    lx, ly, lw, lh = LOUPE_FRAME
    d.text((lx + (lw - hint_font.getlength(LOUPE_HINT)) / 2, ly + lh + 7), LOUPE_HINT, font=hint_font, fill=HINT)


def compose_skin():
    mask = panel_mask()
    img = draw_surface()
    draw_texts(img)

    # A one-pixel rim along the cut edge keeps the shape readable on dark desktops.
    out = Image.new("RGB", (WIDTH, HEIGHT), KEY)
    src, dst, m = img.load(), out.load(), mask.load()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if not m[x, y]:
                continue
            on_rim = any(not (0 <= nx < WIDTH and 0 <= ny < HEIGHT) or not m[nx, ny]
                         for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            dst[x, y] = PANEL_EDGE if on_rim else src[x, y]
    draw_tab_seam(out, m)
    return out


def draw_tab_seam(img, m):
    """A faint shade line separates the title tab from the readout area."""
    px = img.load()
    y = TAB_DROP + 20
    for x in range(1, WIDTH - 1):
        if m[x, y] and px[x, y] == PANEL:
            px[x, y] = PANEL_SHADE


def layout_lines():
    lines = []
    value_ref = colour_ref(VALUE_TEXT)
    for index, (key, _) in enumerate(READOUTS):
        top = ROW_TOP + index * ROW_PITCH
        lines.append(f"{key}={FIELD_X + LABEL_INSET_X},{top + LABEL_INSET_Y},"
                     f"{FIELD_W - LABEL_INSET_X - 2},{LABEL_H},{value_ref}")
    sx, sy, sw, sh = SWATCH_FRAME
    lines.append(f"preview={sx + 2},{sy + 2},{sw - 4},{sh - 4}")
    nx, ny, nw, nh = NAME_FRAME
    # The name box is as white as its field and has no border: set in from the field's edge, its text gets air
    # to the left and sits in the middle of the field's height.
    lines.append(f"text={nx + NAME_INSET_X},{ny + NAME_INSET_Y},{nw - 2 * NAME_INSET_X},{nh - 2 * NAME_INSET_Y},"
                 f"{colour_ref(NAME_TEXT)}")
    cx, cy = QUIT_CENTRE
    r = QUIT_RADIUS + 1
    lines.append(f"quit={cx - r},{cy - r},{2 * r + 1},{2 * r + 1}")
    lx, ly, lw, lh = LOUPE_FRAME
    zw, zh = (cells * LOUPE_FACTOR for cells in LOUPE_CELLS)
    lines.append(f"zoom={lx + (lw - zw) // 2},{ly + (lh - zh) // 2},{zw},{zh},{LOUPE_FACTOR}")
    return lines


def click_samples(rate=44100):
    """A soft tick: two damped partials under a raised-cosine attack, ending in silence."""
    length = int(rate * 0.045)
    attack = int(rate * 0.002)
    peak = 0.22 * 32767
    samples = []
    for n in range(length):
        t = n / rate
        envelope = math.exp(-t / 0.009)
        if n < attack:
            envelope *= 0.5 - 0.5 * math.cos(math.pi * n / attack)
        tail = length - n
        if tail < attack * 4:
            envelope *= tail / (attack * 4)
        tone = 0.7 * math.sin(2 * math.pi * 1650 * t) + 0.3 * math.sin(2 * math.pi * 2900 * t)
        samples.append(int(round(peak * envelope * tone)))
    return rate, samples


def write_wav(path):
    rate, samples = click_samples()
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(struct.pack(f"<{len(samples)}h", *samples))


def icon_artwork(size):
    """Eyedropper over a tile of picked colours on a slate square, drawn large and shrunk."""
    s = 1024
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([40, 40, s - 41, s - 41], radius=190, fill=PANEL + (255,))
    d.rounded_rectangle([40, 40, s - 41, s - 41], radius=190, outline=PANEL_EDGE + (255,), width=24)

    tiles = [(232, 92, 84), (240, 200, 80), (92, 196, 120), (84, 140, 232)]
    tile, gap, origin = 200, 28, (150, 446)
    for i, colour in enumerate(tiles):
        x = origin[0] + (i % 2) * (tile + gap)
        y = origin[1] + (i // 2) * (tile + gap)
        d.rounded_rectangle([x, y, x + tile, y + tile], radius=36, fill=colour + (255,))

    # The dropper lies on the diagonal, tip down-left onto the top-right tile.
    def along(t, offset):
        ax, ay = 360, 664
        bx, by = 880, 144
        ux, uy = (bx - ax) / math.hypot(bx - ax, by - ay), (by - ay) / math.hypot(bx - ax, by - ay)
        nx, ny = -uy, ux
        return (ax + ux * t + nx * offset, ay + uy * t + ny * offset)

    outline = (20, 24, 31, 255)
    glass = (236, 240, 245, 255)
    bulb = (186, 78, 78, 255)
    d.polygon([along(0, 0), along(110, -46), along(430, -46), along(430, 46), along(110, 46)],
              fill=outline)
    d.polygon([along(26, 0), along(120, -28), along(420, -28), along(420, 28), along(120, 28)],
              fill=glass)
    d.polygon([along(40, 0), along(120, -14), along(300, -14), along(300, 14), along(120, 14)],
              fill=(232, 92, 84, 255))
    d.polygon([along(410, -74), along(480, -74), along(480, 74), along(410, 74)], fill=outline)
    d.polygon([along(422, -60), along(468, -60), along(468, 60), along(422, 60)], fill=bulb)
    bx, by = along(600, 0)
    d.ellipse([bx - 120, by - 120, bx + 120, by + 120], fill=outline)
    d.ellipse([bx - 104, by - 104, bx + 104, by + 104], fill=bulb)
    d.polygon([along(470, -46), along(560, -46), along(560, 46), along(470, 46)], fill=bulb)
    hx, hy = along(620, 40)
    d.ellipse([hx - 30, hy - 30, hx + 30, hy + 30], fill=(226, 140, 140, 255))
    return img.resize((size, size), Image.LANCZOS)


def dib_with_mask(rgba, bits):
    """An ICO image entry: BITMAPINFOHEADER, palette if any, XOR rows, AND mask, all bottom-up."""
    w, h = rgba.size
    alpha = rgba.getchannel("A")
    opaque = [[alpha.getpixel((x, y)) >= 128 for x in range(w)] for y in range(h)]
    mask_stride = ((w + 31) // 32) * 4
    mask_rows = []
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(row))

    if bits == 32:
        palette = b""
        xor = b"".join(
            bytes(c for x in range(w) for c in _bgra(rgba.getpixel((x, y))))
            for y in reversed(range(h)))
        colours_used = 0
    else:
        flat = Image.new("RGB", (w, h), (0, 0, 0))
        flat.paste(rgba.convert("RGB"), mask=alpha.point(lambda a: 255 if a >= 128 else 0))
        indexed = flat.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
        entries = indexed.getpalette()[:255 * 3]
        entries += [0] * (255 * 3 - len(entries))
        # Index 255 is black for the see-through pixels, whose XOR value must be 0.
        entries += [0, 0, 0]
        palette = b"".join(bytes((entries[i + 2], entries[i + 1], entries[i], 0))
                           for i in range(0, 256 * 3, 3))
        stride = ((w + 3) // 4) * 4
        rows = []
        for y in reversed(range(h)):
            row = bytearray(stride)
            for x in range(w):
                row[x] = indexed.getpixel((x, y)) if opaque[y][x] else 255
            rows.append(bytes(row))
        xor = b"".join(rows)
        colours_used = 256

    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(xor) + len(mask_rows) * mask_stride,
                         0, 0, colours_used, 0)
    return header + palette + xor + b"".join(mask_rows)


def _bgra(pixel):
    r, g, b, a = pixel
    return b, g, r, a


def write_icon(path):
    entries = [
        (16, 32, dib_with_mask(icon_artwork(16), 32)),
        (32, 8, dib_with_mask(icon_artwork(32), 8)),
        (48, 32, dib_with_mask(icon_artwork(48), 32)),
    ]
    png = io.BytesIO()
    icon_artwork(256).save(png, format="PNG", optimize=True)
    entries.append((256, 32, png.getvalue()))

    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, bits, data in entries:
        dim = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    path.write_bytes(directory + b"".join(data for _, _, data in entries))


def main():
    # A folder named on the command line takes all four files instead, for comparing them with the committed ones.
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else None
    skin_dir = out or SKIN_DIR
    icon_path = out / "pixlin.ico" if out else ICON_PATH
    skin_dir.mkdir(parents=True, exist_ok=True)
    icon_path.parent.mkdir(parents=True, exist_ok=True)
    compose_skin().save(skin_dir / "pixlin.dat1", format="BMP")
    (skin_dir / "pixlin.dat0").write_bytes(("\r\n".join(layout_lines()) + "\r\n").encode("ascii"))
    write_wav(skin_dir / "pixlin.dat2")
    write_icon(icon_path)


if __name__ == "__main__":
    main()
