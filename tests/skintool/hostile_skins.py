#!/usr/bin/env python3
"""pixlin-skin against skins and command lines a hostile author would try: each row builds its skin from the
default one, runs the tool and expects an exit status and words of its output. A crash, a hang or a raw escape
byte fails its row. Usage: hostile_skins.py TOOL SKIN_DIR"""

import io
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

from PIL import Image

TOOL, SKIN = sys.argv[1], sys.argv[2]
KEY, GREY = (255, 0, 255), (64, 72, 80)
SECONDS = 60


def framed(width, height):
    picture = Image.new("RGB", (width, height), KEY)
    picture.paste(GREY, (2, 2, width - 2, height - 2))
    return picture


def saved(picture, format_name, **options):
    out = io.BytesIO()
    picture.save(out, format_name, **options)
    return out.getvalue()


def bmp(width, height, bits, compression, palette, pixels):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + palette + pixels


PALETTE = bytes([255, 0, 255, 0, 80, 72, 64, 0]) + bytes(254 * 4)


def top_down_8bit():
    """300 x 400, rows stored top first (a negative height)."""
    row = bytes([0, 0]) + bytes([1]) * 296 + bytes([0, 0])
    return bmp(300, -400, 8, 0, PALETTE, bytes(300 * 2) + row * 396 + bytes(300 * 2))


def rle8(inside_rows=396):
    """300 x 400 as RLE8: key colour round a grey rectangle, as Windows' own writers do it; with fewer rows inside,
    the codes end early and leave the rest of the picture to the decoder."""
    edge = bytes([255, 0, 45, 0, 0, 0])
    inside = bytes([2, 0, 255, 1, 41, 1, 2, 0, 0, 0])
    ending = edge * 2 if inside_rows == 396 else b""
    return bmp(300, 400, 8, 1, PALETTE, edge * 2 + inside * inside_rows + ending + bytes([0, 1]))


def framed_indexes():
    """The 300 x 400 framed picture as rows of palette indexes (0 the key colour, 1 grey), bottom row first."""
    edge = [0] * 300
    inside = [0, 0] + [1] * 296 + [0, 0]
    return [edge, edge] + [inside] * 396 + [edge, edge]


def rle4():
    data = bytearray()
    for row in framed_indexes():
        for index, count in ((row[0], 2), (row[2], 296), (row[-1], 2)):
            while count:
                data += bytes([min(count, 254), index << 4 | index])
                count -= min(count, 254)
        data += b"\0\0"
    return bmp(300, 400, 4, 2, PALETTE[:64], bytes(data + b"\0\1"))


def one_bit():
    stride = (300 + 31) // 32 * 4
    rows = b""
    for row in framed_indexes():
        bits = int("".join(map(str, row)), 2) << (stride * 8 - 300)
        rows += bits.to_bytes(stride, "big")
    return bmp(300, 400, 1, 0, PALETTE[:8], rows)


def rgb565():
    colour = {0: 0xF81F, 1: (64 >> 3) << 11 | (72 >> 2) << 5 | 80 >> 3}
    pixels = b"".join(struct.pack("<300H", *(colour[i] for i in row)) for row in framed_indexes())
    return bmp(300, 400, 16, 3, struct.pack("<III", 0xF800, 0x07E0, 0x001F), pixels)


def png_16bit():
    """Grey levels of 16 bits: 0 round a rectangle of 30000."""
    picture = Image.new("I;16", (300, 400), 0)
    picture.paste(30000, (2, 2, 298, 398))
    return saved(picture, "PNG")


def framed_gif():
    """Index 0, the key colour, is the transparent one."""
    picture = Image.new("P", (300, 400), 0)
    picture.putpalette(list(KEY + GREY))
    picture.paste(1, (2, 2, 298, 398))
    return saved(picture, "GIF", transparency=0)


def png_claiming(width, height):
    png = bytearray(saved(framed(8, 8), "PNG"))
    png[16:24] = struct.pack(">II", width, height)
    png[29:33] = struct.pack(">I", zlib.crc32(bytes(png[12:29])))
    return bytes(png)


def jpeg_with_bad_huffman_table():
    """A good JPEG with one more Huffman table, unused, declaring 272 codes where 256 are the most."""
    jpeg = saved(framed(40, 20), "JPEG", quality=90)
    counts = bytes([17] * 16)
    table = bytes([0x13]) + counts + bytes(272)
    segment = b"\xFF\xC4" + struct.pack(">H", 2 + len(table)) + table
    return jpeg[:2] + segment + jpeg[2:]


def radiance_hdr():
    """278 bytes whose first RLE run has length 0."""
    head = b"#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 8 +X 8\n" + bytes([2, 2, 0, 8])
    return head + bytes(278 - len(head))


def psd():
    header = b"8BPS" + struct.pack(">H6xHIIHH", 1, 3, 20, 40, 8, 3) + bytes(12) + struct.pack(">H", 0)
    return header + bytes(3 * 20 * 40)


def softimage_pic():
    header = struct.pack(">If80s4sHHfHH", 0x5380F634, 3.71, b"", b"PICT", 40, 20, 1.0, 3, 0)
    return header + bytes([0, 8, 0, 0xE0]) + bytes(3 * 40 * 20)


def tga_of_33_bytes():
    return struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, 4195, 3117, 24, 0) + bytes(15)


class Row:
    def __init__(self, name, status, words, picture=None, arguments=("check", "{dir}"), absent=(), folder="skin",
                 prepare=None, after=None, as_nobody=False):
        self.name, self.status, self.words, self.picture = name, status, words, picture
        self.arguments, self.absent, self.folder, self.prepare, self.after = arguments, absent, folder, prepare, after
        # Root reads any file: the tool then runs as nobody.
        self.as_nobody = as_nobody


def unreadable(folder):
    os.chmod(os.path.join(folder, "pixlin.dat1"), 0)


def picture_folder(folder):
    os.remove(os.path.join(folder, "pixlin.dat1"))
    os.mkdir(os.path.join(folder, "pixlin.dat1"))


def unchanged(name):
    def check(folder):
        with open(os.path.join(folder, name), "rb") as now, open(os.path.join(SKIN, name), "rb") as before:
            return None if now.read() == before.read() else name + " was changed"
    return check


def written(name, expected=True):
    def check(folder):
        there = os.path.isfile(os.path.join(folder, name))
        return None if there == expected else name + (" was not written" if expected else " was written")
    return check


def with_layout(change):
    """The default layout changed by a function of its text."""
    def prepare(folder):
        path = os.path.join(folder, "pixlin.dat0")
        with open(path, "rb") as layout:
            text = layout.read().decode("ascii")
        with open(path, "wb") as layout:
            layout.write(change(text).encode("ascii"))
    return prepare


def valid_json(output):
    try:
        report = json.loads(output.decode("utf-8"))
    except (UnicodeDecodeError, ValueError) as error:
        return "not JSON in UTF-8: %s" % error
    return None if "\\x1B" in report["folder"] else "folder not escaped: %r" % report["folder"]


UNCHECKABLE = "not a BMP, PNG, JPEG or GIF"
ROWS = [
    Row("RIFF stub of 7 bytes", {2}, ["built-in skin"], picture=b"RIFF\0\0\0"),
    Row("RIFF stub of 4 bytes", {2}, ["built-in skin"], picture=b"RIFF"),
    Row("278-byte Radiance HDR", {2}, [UNCHECKABLE], picture=radiance_hdr()),
    Row("JPEG with a Huffman table of 272 codes", {2}, ["JPEG cannot be read", "built-in skin"],
        picture=jpeg_with_bad_huffman_table()),
    Row("TGA", {2}, [UNCHECKABLE], picture=saved(framed(40, 20), "TGA")),
    Row("33-byte TGA claiming 4195 x 3117", {2}, [UNCHECKABLE], picture=tga_of_33_bytes(), absent=["4195"]),
    Row("PSD", {2}, [UNCHECKABLE], picture=psd()),
    Row("PPM", {2}, [UNCHECKABLE], picture=saved(framed(40, 20), "PPM")),
    Row("Softimage PIC", {2}, [UNCHECKABLE], picture=softimage_pic()),
    Row("8-bit top-down BMP", {0, 1}, ["BMP, 300 x 400 pixels", "396 runs"], picture=top_down_8bit()),
    Row("RLE8 BMP", {0, 1}, ["BMP, 300 x 400 pixels", "396 runs"], picture=rle8()),
    Row("RLE8 BMP ending early", {1}, ["30000 pixels of the 8-bit RLE8 BMP are left undefined"],
        picture=rle8(inside_rows=298)),
    Row("16-bit PNG", {1}, ["PNG, 300 x 400 pixels", "396 runs", "16 bits a channel"], picture=png_16bit()),
    Row("RLE4 BMP", {0, 1}, ["BMP, 300 x 400 pixels; key colour #FF00FF", "396 runs"], picture=rle4()),
    Row("1-bit BMP", {0, 1}, ["BMP, 300 x 400 pixels; key colour #FF00FF", "396 runs"], picture=one_bit()),
    Row("16-bit 5-6-5 BMP", {0, 1}, ["BMP, 300 x 400 pixels; key colour #FF00FF", "396 runs"], picture=rgb565()),
    Row("GIF with a transparent colour", {1}, ["GIF, 300 x 400 pixels; key colour #FF00FF", "396 runs", "transparent"],
        picture=framed_gif()),
    Row("PNG claiming 100000 x 100000", {2}, ["100000 x 100000 is over the picker's limit"],
        picture=png_claiming(100000, 100000)),
    Row("picture that may not be read", {2}, ["cannot be opened", "ermission denied"], prepare=unreadable,
        as_nobody=True),
    Row("a folder named pixlin.dat1", {2}, ["cannot be opened", "not a file"], prepare=picture_folder),
    Row("misspelt option", {3}, ["unknown option --jsn"], arguments=("check", "--jsn", "{dir}")),
    Row("help after the command", {0}, ["usage: pixlin-skin check"], arguments=("check", "--help")),
    Row("preview onto the skin's picture", {3}, ["skin's own files"],
        arguments=("preview", "{dir}", "{dir}/pixlin.dat1"), after=unchanged("pixlin.dat1")),
    Row("preview onto the layout, another case", {3}, ["skin's own files"],
        arguments=("preview", "{dir}", "{dir}/./PIXLIN.DAT0"), after=unchanged("pixlin.dat0")),
    Row("preview over 64 M pixels", {3}, ["nothing written", "65536 x 16384 pixels is over the limit of 64 M pixels"],
        picture=saved(framed(8192, 2048), "PNG"), arguments=("preview", "{dir}", "{dir}/big.png", "--scale", "8"),
        after=written("big.png", False)),
    Row("preview of the default skin", {0}, ["/out.png (360 x 559 at 2x); the skin has no warnings"],
        arguments=("preview", "{dir}", "{dir}/out.png"), after=written("out.png")),
    Row("preview of a skin whose oklch box is too narrow", {1},
        ["/out.png (360 x 559 at 0.5x); the skin has 1 warning: run pixlin-skin check"],
        prepare=with_layout(lambda text: text.replace("oklch=176,113,170,", "oklch=176,113,100,")),
        arguments=("preview", "{dir}", "{dir}/out.png", "--scale", "0.5"), after=written("out.png")),
    Row("preview of an invisible window", {2},
        ["/out.png (360 x 559 at 1x); the skin has 1 error and 0 warnings, and the picker would not give a usable"],
        prepare=with_layout(lambda text: text + "trans=0.4\r\n"),
        arguments=("preview", "{dir}", "{dir}/out.png", "--scale", "1"), after=written("out.png")),
    Row("preview of a bitmap that cannot be read", {3}, ["nothing written: the skin bitmap cannot be drawn"],
        picture=b"RIFF", arguments=("preview", "{dir}", "{dir}/out.png"), after=written("out.png", False)),
    Row("preview into a folder that is not there", {3}, ["nothing written: cannot write", "/no/out.png"],
        arguments=("preview", "{dir}", "{dir}/no/out.png")),
    Row("escape sequence, line end and a stray byte in the folder's name", {0}, ["skin\\x1B[31m\\x0Aq\\xFF:"],
        folder="skin\x1b[31m\nq\udcff"),
    Row("the same in JSON", {0}, ['"exit": 0'], folder="skin\x1b[31m\nq\udcff",
        arguments=("check", "{dir}", "--json")),
]


def run_row(row, scratch):
    folder = os.path.join(scratch, row.folder)
    shutil.copytree(SKIN, folder)
    if row.picture is not None:
        with open(os.path.join(folder, "pixlin.dat1"), "wb") as out:
            out.write(row.picture)
    if row.prepare:
        row.prepare(folder)
    arguments = [os.fsencode(a.replace("{dir}", folder)) for a in row.arguments]
    user = []
    if row.as_nobody and os.geteuid() == 0:
        os.chmod(scratch, 0o755)
        user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
    try:
        done = subprocess.run([*user, TOOL, *arguments], capture_output=True, timeout=SECONDS)
    except subprocess.TimeoutExpired:
        return "FAIL: no answer within %d s" % SECONDS
    output = done.stdout + done.stderr
    text = output.decode("utf-8", "replace")
    problems = []
    if done.returncode not in row.status:
        problems.append("exit %d, expected %s" % (done.returncode, sorted(row.status)))
    problems += ["no %r" % word for word in row.words if word not in text]
    problems += ["%r in the output" % word for word in row.absent if word in text]
    if b"\x1b" in output:
        problems.append("a raw escape byte in the output")
    if "--json" in row.arguments and (problem := valid_json(done.stdout)):
        problems.append(problem)
    if row.after and (problem := row.after(folder)):
        problems.append(problem)
    return "FAIL: " + "; ".join(problems) + "\n" + text if problems else "ok"


def main():
    failed = 0
    for row in ROWS:
        with tempfile.TemporaryDirectory() as scratch:
            verdict = run_row(row, scratch)
        failed += verdict.startswith("FAIL")
        print("%-70s %s" % (row.name, verdict))
    print("%d of %d rows failed" % (failed, len(ROWS)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
