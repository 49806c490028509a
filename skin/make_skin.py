#!/usr/bin/env python3
"""Generates Pixlin's default skin, click sound and program icon.

Regenerate from the repository root with

    python3 skin/make_skin.py [output folder]

It needs Pillow (Debian: python3-pil, so use Debian's /usr/bin/python3 if
another python3 comes first on the path) and the fonts of fonts-liberation. Output is byte-for-byte the same on every run, so the
generated files can be committed and diffed:

    skin/pixlin.dat0    layout text: where the readouts sit on the bitmap
    skin/pixlin.dat1    skin bitmap (24-bit BMP); its top-left pixel is the key colour
    skin/builtin.bmp    the same pixels as an 8-bit BMP, built into the program as its fallback skin
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
# Every text drawn on the panel keeps at least 4.5:1 against it, quiet ones included.
CAPTION = (150, 163, 184)
PASTE_CAPTION = (196, 206, 220)
HINT = (150, 163, 184)
STATE_TEXT = (160, 172, 192)
TITLE = (178, 189, 205)
VALUE_TEXT = (236, 240, 245)
NAME_FIELD = (255, 255, 255)
NAME_TEXT = (32, 38, 48)
SWATCH_RING = (98, 110, 130)
SWATCH_GAP = (18, 21, 27)
SLOT = (33, 38, 49)
ACCENT = (84, 140, 232)
QUIT_FILL = (186, 78, 78)
QUIT_CROSS = (250, 236, 236)

WIDTH = 360
MARGIN = 12
RIGHT = WIDTH - MARGIN
CORNER = 10
TAB_WIDTH = 104   # the raised title tab at the top left
TAB_DROP = 10     # how far the rest of the top edge sits below the tab
# The tab's right side is an S: a convex and a concave quarter circle that
# together span the drop, so the outline stays one unbroken edge.
TAB_CORNER = TAB_DROP // 2
FILLET = TAB_DROP - TAB_CORNER
SEAM_Y = TAB_DROP + 20
QUIT_CENTRE, QUIT_RADIUS = (WIDTH - 20, 20), 8
# Live or frozen, in the title bar beside the tab, where the eye looks for what the window is doing.
STATE_BOX = (TAB_WIDTH + 14, 13, 200, 16)

# Readout text is drawn from the label's top edge; Arial bold at 13 px needs
# 15 px of line, so a 16 px label sits a few pixels into its field.
LABEL_INSET_X, LABEL_H = 6, 16
SECTION_GAP = 8
# A caption above a wide field: its line, then the field.
CAPTION_LINE = 13

# The forms that paste straight into style sheets come first, beside the swatch, each field marked with an accent.
PASTE_TOP, PASTE_PITCH, PASTE_HEIGHT = 38, 24, 22
PASTE_CAPTION_X, PASTE_FIELD_X = 114, 170
PASTE_READOUTS = [("csshex", "CSS HEX"), ("cssrgb", "CSS RGB"), ("csshsl", "CSS HSL"), ("oklch", "OKLCH")]
PASTE_BOTTOM = PASTE_TOP + PASTE_PITCH * (len(PASTE_READOUTS) - 1) + PASTE_HEIGHT
SWATCH_FRAME = (MARGIN, PASTE_TOP, 92, PASTE_BOTTOM - PASTE_TOP)

# The history lies under the swatch, full width, so that each slot is large enough to aim at; the division by the
# count leaves nothing over, so every slot is drawn exactly where its swatch will be.
HISTORY_COUNT = 8
HISTORY_CAPTION_Y = PASTE_BOTTOM + SECTION_GAP
HISTORY_FRAME = (MARGIN, HISTORY_CAPTION_Y + CAPTION_LINE, RIGHT - MARGIN, 28)
HISTORY_BOX = (HISTORY_FRAME[0] + 4, HISTORY_FRAME[1] + 2, HISTORY_FRAME[2] - 8, HISTORY_FRAME[3] - 4)
assert HISTORY_BOX[2] % HISTORY_COUNT == 0

# The contrast pair is by default the first history slot against the current colour, so its two measures sit right
# under the history, side by side. One caption names both: the WCAG ratio shows its grade ("AA"), APCA its unit ("Lc").
# The caption does not say what the pair is, since the colour menu can fix either side of it.
CONTRAST_TOP = HISTORY_FRAME[1] + HISTORY_FRAME[3] + SECTION_GAP
CONTRAST_FIELD = (80, CONTRAST_TOP, 180, 22)
APCA_FIELD = (266, CONTRAST_TOP, RIGHT - 266, 22)
CONTRAST_CAPTION = "CONTRAST"

NAME_FRAME = (56, CONTRAST_TOP + 22 + SECTION_GAP, RIGHT - 56, 24)
NAME_INSET_X, NAME_INSET_Y = 6, 4

# The nearest name runs to almost 300 px in Arial bold ("mediumspringgreen - ..."): only the full width holds it, so
# its caption sits above the field.
NEAREST_CAPTION_Y = NAME_FRAME[1] + NAME_FRAME[3] + SECTION_GAP
NEAREST_FIELD = (MARGIN, NEAREST_CAPTION_Y + CAPTION_LINE, RIGHT - MARGIN, 22)

# The classic forms in two columns, as the picker always showed them.
CLASSIC_TOP, CLASSIC_PITCH, CLASSIC_HEIGHT = NEAREST_FIELD[1] + 22 + SECTION_GAP, 22, 20
CLASSIC_COLUMNS = [  # (caption x, field x, field width, readouts top down)
    (MARGIN, 52, 122, [("rgb", "RGB"), ("hex", "HEX"), ("long", "LONG"), ("ycbcr", "YCbCr")]),
    (186, 226, RIGHT - 226, [("hls", "HLS"), ("hsv", "HSV"), ("cmy", "CMY"), ("cmyk", "CMYK")]),
]
CLASSIC_BOTTOM = CLASSIC_TOP + CLASSIC_PITCH * (len(CLASSIC_COLUMNS[0][3]) - 1) + CLASSIC_HEIGHT

# The loupe holds a whole grid at the starting factor (41 x 15 cells of 8 px) in a rim of 4 px; other factors leave a
# dark rim.
LOUPE_FACTOR = 8
LOUPE_CELLS = (41, 15)
LOUPE_CAPTION_Y = CLASSIC_BOTTOM + SECTION_GAP
LOUPE_FRAME = (MARGIN, LOUPE_CAPTION_Y + CAPTION_LINE, RIGHT - MARGIN, LOUPE_CELLS[1] * LOUPE_FACTOR + 8)
# Only what holds both live and frozen: the arrow keys step only once a frozen pixel was clicked.
LOUPE_HINT = "wheel changes the size"

# Which values the readouts show, along the bottom edge as the state runs along the top: plain text on the panel, as
# a click on it switches rather than copies. A profile's description makes it the longest text of all, so it takes
# the full width.
PROFILE_BOX = (MARGIN, LOUPE_FRAME[1] + LOUPE_FRAME[3] + 6, RIGHT - MARGIN, LABEL_H)

HEIGHT = PROFILE_BOX[1] + PROFILE_BOX[3] + 8

SUPERSAMPLE = 4


def font(folder, name, size):
    return ImageFont.truetype(str(folder / name), size)


def colour_ref(rgb):
    """The layout file's colour number: 0x00BBGGRR in decimal."""
    r, g, b = rgb
    return r | (g << 8) | (b << 16)


def readout_places():
    """(layout key, caption or None, caption position, field) of every readout drawn in a recessed field."""
    places = []
    for index, (key, caption) in enumerate(PASTE_READOUTS):
        top = PASTE_TOP + index * PASTE_PITCH
        places.append((key, caption, (PASTE_CAPTION_X, top + 6),
                       (PASTE_FIELD_X, top, RIGHT - PASTE_FIELD_X, PASTE_HEIGHT)))
    for caption_x, field_x, field_w, readouts in CLASSIC_COLUMNS:
        for index, (key, caption) in enumerate(readouts):
            top = CLASSIC_TOP + index * CLASSIC_PITCH
            places.append((key, caption, (caption_x, top + 5), (field_x, top, field_w, CLASSIC_HEIGHT)))
    places.append(("contrast", CONTRAST_CAPTION, (MARGIN, CONTRAST_FIELD[1] + 6), CONTRAST_FIELD))
    places.append(("apca", None, None, APCA_FIELD))
    places.append(("nearest", "NEAREST NAMED COLOUR", (MARGIN, NEAREST_CAPTION_Y), NEAREST_FIELD))
    return places


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

    for _, _, _, field in readout_places():
        recessed_field(d, box, field)
    # The accent sits left of the label's inset, so no text ever covers it.
    for index in range(len(PASTE_READOUTS)):
        top = PASTE_TOP + index * PASTE_PITCH
        d.rectangle(box((PASTE_FIELD_X + 1, top + 4, 2, PASTE_HEIGHT - 8)), fill=ACCENT)

    for frame in (SWATCH_FRAME, LOUPE_FRAME, HISTORY_FRAME):
        framed_well(d, box, frame)
    # Empty slots show as wells of their own, one per swatch, so the count reads before anything was copied.
    hx, hy, hw, hh = HISTORY_BOX
    slot_w = hw // HISTORY_COUNT
    for index in range(HISTORY_COUNT):
        d.rounded_rectangle(box((hx + index * slot_w + 1, hy + 1, slot_w - 2, hh - 2)), radius=2 * s, fill=SLOT)

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


def framed_well(d, box, rect):
    x, y, w, h = rect
    s = SUPERSAMPLE
    d.rounded_rectangle(box(rect), radius=4 * s, fill=SWATCH_RING)
    d.rounded_rectangle(box((x + 1, y + 1, w - 2, h - 2)), radius=3 * s, fill=SWATCH_GAP)


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
    return x - tracking


def draw_texts(img):
    d = ImageDraw.Draw(img)
    caption_font = font(LIBERATION, "LiberationSans-Bold.ttf", 10)
    hint_font = font(LIBERATION, "LiberationSans-Regular.ttf", 10)
    paste_keys = {key for key, _ in PASTE_READOUTS}
    for key, caption, position, _ in readout_places():
        if caption is None:
            continue
        draw_tracked(d, position, caption, caption_font, PASTE_CAPTION if key in paste_keys else CAPTION, 0.6)
    draw_tracked(d, (MARGIN, NAME_FRAME[1] + 7), "NAME", caption_font, CAPTION, 0.6)

    def captioned(y, caption, hint):
        end = draw_tracked(d, (MARGIN, y), caption, caption_font, CAPTION, 0.6)
        d.text((end + 6, y - 1), hint, font=hint_font, fill=HINT)

    captioned(HISTORY_CAPTION_Y, "HISTORY", "newest left \u00b7 click one to bring it back")
    captioned(LOUPE_CAPTION_Y, "LOUPE", LOUPE_HINT)

    title_font = font(LIBERATION, "LiberationSans-Bold.ttf", 14)
    logo_x, logo_y = 14, 9
    tiles = [(232, 92, 84), (92, 196, 120), (84, 140, 232), (240, 200, 80)]
    for i, tile in enumerate(tiles):
        tx = logo_x + (i % 2) * 6
        ty = logo_y + (i // 2) * 6
        d.rectangle([tx, ty, tx + 4, ty + 4], fill=tile)
    d.text((logo_x + 17, 6), "Pixlin", font=title_font, fill=TITLE)


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
    return limit_to_palette(out)


def limit_to_palette(img, colours=256):
    """The skin in at most 256 colours, so that the program can carry it as an 8-bit bitmap at a third of the size.
    The most frequent colours stay exact (the key colour, the panel, the fields, the texts' own colours); the few
    rarer anti-aliasing shades take the nearest of them, never the key colour."""
    counted = sorted(img.getcolors(WIDTH * HEIGHT), key=lambda entry: (-entry[0], entry[1]))
    palette = [colour for _, colour in counted[:colours]]
    if KEY not in palette:
        palette[-1] = KEY
    kept = set(palette)
    candidates = [colour for colour in palette if colour != KEY]
    nearest = {}
    for _, colour in counted[colours:]:
        nearest[colour] = min(candidates, key=lambda c: (sum((a - b) ** 2 for a, b in zip(c, colour)), c))
    px = img.load()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if px[x, y] not in kept:
                px[x, y] = nearest[px[x, y]]
    indexed = Image.new("P", (WIDTH, HEIGHT))
    indexed.putpalette([channel for colour in palette for channel in colour])
    index = {colour: i for i, colour in enumerate(palette)}
    indexed.putdata([index[colour] for colour in img.getdata()])
    return indexed


def draw_tab_seam(img, m):
    """A faint shade line separates the title tab from the readout area."""
    px = img.load()
    y = SEAM_Y
    for x in range(1, WIDTH - 1):
        if m[x, y] and px[x, y] == PANEL:
            px[x, y] = PANEL_SHADE


def layout_lines():
    lines = []
    value_ref = colour_ref(VALUE_TEXT)
    for key, _, _, (fx, fy, fw, fh) in readout_places():
        inset_y = (fh - LABEL_H) // 2
        lines.append(f"{key}={fx + LABEL_INSET_X},{fy + inset_y},{fw - LABEL_INSET_X - 2},{LABEL_H},{value_ref}")
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
    hx, hy, hw, hh = HISTORY_BOX
    lines.append(f"history={hx},{hy},{hw},{hh},{HISTORY_COUNT}")
    tx, ty, tw, th = STATE_BOX
    lines.append(f"state={tx},{ty},{tw},{th},{colour_ref(STATE_TEXT)}")
    px, py, pw, ph = PROFILE_BOX
    lines.append(f"profile={px},{py},{pw},{ph},{colour_ref(STATE_TEXT)}")
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
    # A folder named on the command line takes all five files instead, for comparing them with the committed ones.
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else None
    skin_dir = out or SKIN_DIR
    icon_path = out / "pixlin.ico" if out else ICON_PATH
    skin_dir.mkdir(parents=True, exist_ok=True)
    icon_path.parent.mkdir(parents=True, exist_ok=True)
    skin = compose_skin()
    skin.convert("RGB").save(skin_dir / "pixlin.dat1", format="BMP")
    skin.save(skin_dir / "builtin.bmp", format="BMP")
    (skin_dir / "pixlin.dat0").write_bytes(("\r\n".join(layout_lines()) + "\r\n").encode("ascii"))
    write_wav(skin_dir / "pixlin.dat2")
    write_icon(icon_path)


if __name__ == "__main__":
    main()
