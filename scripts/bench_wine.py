#!/usr/bin/env python3
"""Measures pixlin.exe against the baseline program under Wine and prints a Markdown table.

Run by scripts/bench-wine.sh, which builds both programs and provides the virtual display and the warm
Wine prefix (DISPLAY, WINEPREFIX). Every figure is the median over the rounds; the two programs take turns
so that neither always runs on a colder machine.

    bench_wine.py PIXLIN_EXE BASELINE_EXE SKIN_DIR OBJDUMP ROUNDS [PREFIX_AT_200]

PREFIX_AT_200 is a Wine prefix whose screen has 192 dpi: pixlin.exe is measured there too, against itself at 100 %.
The skin must place a loupe (a `zoom=` line): pixlin.exe is measured with it against the same skin without that line,
over the display's own background and over a picture of distinct pixels on the whole screen. Likewise the readouts
ready to paste, the history and the state text: the skin against the same skin without their lines.

With PIXLIN_BENCH_ONLY=paste in the environment only the rows of the readouts ready to paste are measured. With
PIXLIN_BENCH_ONLY=profile only the rows of a display with a colour profile: the skin, which must place a profile text,
on a display whose profile is Debian's Adobe RGB-compatible one (planted as Wine reads it), against the same on an sRGB
display; with PIXLIN_BENCH_REFERENCE set to another build's pixlin.exe, also that build against this one on the sRGB
display. With PIXLIN_BENCH_ONLY=kept only those of the kept colours: keeping on with a kept file of 32 colours against
keeping off, the default skin with a history of 32 swatches for both.
"""

import ctypes
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "support"))
from bmp import bmp_bytes  # noqa: E402
import heavy_skins  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
TIMER_TICK_MS = 10
SAMPLE_SECONDS = 10
MOVE_EVERY_S = 0.02
CAPTION_SAMPLES = 30
REST_POINT = (20, 780)

# Targets, each against the baseline figure of the same run.
START_FACTOR = 1.5
REST_CPU_FACTOR = 1.2
MOVING_CPU_FACTOR = 1.1
CAPTION_TICKS = 2
MEMORY_SLACK_MB = 2
EXE_LIMIT_BYTES = 1024 * 1024
# The loupe's targets, each against the same skin without the loupe. At rest the loupe does nothing, so its figure
# is the other's within the spread of two runs.
LOUPE_REST_CPU_FACTOR = 1.1
LOUPE_MOVING_CPU_FACTOR = 1.3
LOUPE_TICKS = 2
LOUPE_MEMORY_SLACK_MB = 0.5
LOUPE_SAMPLES = 30
LOUPE_POLL_S = 0.0005
# The readouts ready to paste, the history and the state text, against the same skin without their lines. The copy
# key is pressed once after start, so that the contrast readout has a colour to compare with and is worked out too.
PASTE_KEYS = (b"csshex=", b"cssrgb=", b"csshsl=", b"hsv=", b"oklch=", b"nearest=", b"contrast=", b"history=", b"state=")
PASTE_MOVING_CPU_FACTOR = 1.1
PASTE_MEMORY_SLACK_MB = 0.5
# A display with a colour profile against an sRGB display, the same skin and its profile text on both.
PROFILE_SOURCE = Path("/usr/share/color/icc/compatibleWithAdobeRGB1998.icc")
PROFILE_NAME = "pixlin-bench-wide.icc"
PROFILE_KEY = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\ICM\mntr"
PROFILE_MOVING_CPU_FACTOR = 1.1
PROFILE_MEMORY_SLACK_MB = 1
# Where the pointer stands while the loupe's middle cell is looked for: left of the window, which starts top right.
LOUPE_FIND_POINT = (150, 150)
# Keeping colours: start-up and memory with a kept file of 32 colours against keeping off. Both start with the pointer
# at 0, 0, where it was not moved from: no tick samples until the layout is in, and the kept colours are loaded right
# after it, so the caption's first coordinates mark the end of either start-up.
KEPT_COLOURS = 32
KEPT_HISTORY_LINE = b"history=16,155,328,24,32\r\n"
KEPT_START_FACTOR = 1.1
KEPT_MEMORY_SLACK_MB = 0.3


class Xlib:
    """The few Xlib calls needed to move the pointer and see a caption change the moment it happens."""

    PROPERTY_NOTIFY = 28
    PROPERTY_CHANGE_MASK = 1 << 22
    WM_NAME = 39
    ALL_PLANES = 0xFFFFFFFF
    Z_PIXMAP = 2

    def __init__(self):
        lib = ctypes.CDLL("libX11.so.6")
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XWarpPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_int, ctypes.c_int]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        lib.XPending.argtypes = [ctypes.c_void_p]
        lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
        lib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        lib.XFree.argtypes = [ctypes.c_void_p]
        lib.XGetImage.restype = ctypes.c_void_p
        lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                  ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        lib.XGetPixel.restype = ctypes.c_ulong
        lib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        lib.XDestroyImage.argtypes = [ctypes.c_void_p]
        lib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.lib = lib
        self.display = lib.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the display " + os.environ.get("DISPLAY", "(none)"))
        self.root = lib.XDefaultRootWindow(self.display)
        self.fd = lib.XConnectionNumber(self.display)

    def move_pointer(self, x, y):
        self.lib.XWarpPointer(self.display, 0, self.root, 0, 0, 0, 0, x, y)
        self.lib.XSync(self.display, 0)

    def screen_size(self):
        return self.lib.XDisplayWidth(self.display, 0), self.lib.XDisplayHeight(self.display, 0)

    def screen_pixels(self, left, top, width, height):
        """The screen's pixels in a rectangle as 0xRRGGBB values, row by row (a 24-bit TrueColor screen)."""
        image = self.lib.XGetImage(self.display, self.root, left, top, width, height, self.ALL_PLANES, self.Z_PIXMAP)
        if not image:
            sys.exit(f"cannot read the screen at {left},{top} {width}x{height}")
        try:
            return [[self.lib.XGetPixel(image, x, y) & 0xFFFFFF for x in range(width)] for y in range(height)]
        finally:
            self.lib.XDestroyImage(image)

    def wait_for_pixel(self, x, y, expected, timeout_s):
        """Seconds from now until the screen pixel at (x, y) has the expected value, or None."""
        start = time.perf_counter()
        while True:
            if self.screen_pixels(x, y, 1, 1)[0][0] == expected:
                return time.perf_counter() - start
            if time.perf_counter() - start > timeout_s:
                return None
            time.sleep(LOUPE_POLL_S)

    def watch_properties(self, window):
        self.lib.XSelectInput(self.display, window, self.PROPERTY_CHANGE_MASK)
        self.lib.XSync(self.display, 0)

    def window_name(self, window):
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        self.lib.XGetWindowProperty(self.display, window, self.WM_NAME, 0, 256, 0, 0, ctypes.byref(actual_type),
                                    ctypes.byref(actual_format), ctypes.byref(count), ctypes.byref(after),
                                    ctypes.byref(data))
        if not data.value:
            return ""
        name = ctypes.string_at(data.value, count.value).decode("latin-1")
        self.lib.XFree(data)
        return name

    def wait_for_name(self, window, expected, timeout_s):
        """Seconds from now until the window's name is the expected one, or None."""
        start = time.perf_counter()
        event = (ctypes.c_long * 24)()
        while True:
            if self.window_name(window) == expected:
                return time.perf_counter() - start
            while self.lib.XPending(self.display) == 0:
                left = timeout_s - (time.perf_counter() - start)
                if left <= 0:
                    return None
                select.select([self.fd], [], [], left)
            while self.lib.XPending(self.display) > 0:
                self.lib.XNextEvent(self.display, event)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.strip()


def cpu_seconds(pid):
    # utime and stime follow the command name, which may hold blanks, in parentheses.
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def peak_memory_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return float("nan")


# The baseline's window takes the measured skin's size, set once the skin is known.
PROGRAM_ARGUMENTS = {}


class Program:
    """One start of a program under Wine; the process that `wine` becomes is the Windows process itself."""

    def __init__(self, folder, exe_name, prefix=None):
        env = dict(os.environ, WINEPREFIX=prefix) if prefix else None
        self.started = time.perf_counter()
        command = ["wine", "./" + exe_name, *PROGRAM_ARGUMENTS.get(exe_name, ())]
        self.process = subprocess.Popen(command, cwd=folder, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        self.pid = self.process.pid
        self.window = None
        self.start_ms = None
        deadline = self.started + 60
        while time.perf_counter() < deadline and self.process.poll() is None:
            found = xdotool("search", "--onlyvisible", "--pid", self.pid).split()
            if found:
                self.window = int(found[0])
                self.start_ms = (time.perf_counter() - self.started) * 1000
                break
            time.sleep(0.005)
        if self.window is None:
            self.stop()
            sys.exit(f"no window from {exe_name} in {folder}")
        command = Path(f"/proc/{self.pid}/cmdline").read_bytes().replace(b"\0", b" ").decode(errors="replace")
        if exe_name not in command:
            self.stop()
            sys.exit(f"process {self.pid} runs '{command}', not {exe_name}")

    def stop(self):
        if self.window is not None:
            xdotool("windowfocus", "--sync", self.window, "key", "Escape")
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def cpu_at_rest_ms(program):
    before = cpu_seconds(program.pid)
    time.sleep(SAMPLE_SECONDS)
    return (cpu_seconds(program.pid) - before) * 1000


def cpu_moving_ms(x, program):
    moves = int(SAMPLE_SECONDS / MOVE_EVERY_S)
    before = cpu_seconds(program.pid)
    began = time.perf_counter()
    for i in range(moves):
        x.move_pointer(100 + i % 400, 300 + (i // 400) * 7)
        time.sleep(MOVE_EVERY_S)
    elapsed = time.perf_counter() - began
    return (cpu_seconds(program.pid) - before) * 1000 * SAMPLE_SECONDS / elapsed


def latency_points(count):
    """Pointer places for latency samples, each after a pause: uneven pauses, so that the moves fall at every phase
    of the program's timer."""
    for i in range(count):
        time.sleep(0.05 + (i % 7) * 0.0013)
        yield 200 + 11 * i, 400 + 3 * i


def measure(x, folder, exe_name):
    """One round of every timed figure for one program."""
    x.move_pointer(*REST_POINT)
    program = Program(folder, exe_name)
    figures = {"start_ms": program.start_ms}
    # Let start-up finish before anything is counted.
    time.sleep(1.0)
    figures["rest_cpu_ms"] = cpu_at_rest_ms(program)
    figures["moving_cpu_ms"] = cpu_moving_ms(x, program)

    x.watch_properties(program.window)
    latencies = []
    for point in latency_points(CAPTION_SAMPLES):
        x.move_pointer(*point)
        waited = x.wait_for_name(program.window, f"X:{point[0]}   Y:{point[1]}", 2.0)
        latencies.append(float("inf") if waited is None else waited * 1000)
    figures["caption_ms"] = statistics.median(latencies)

    figures["peak_mb"] = peak_memory_mb(program.pid)
    program.stop()
    return figures


def distinct_pixel(x, y):
    """A colour of its own for every pixel of a screen up to 4096 x 4096, as 0xRRGGBB."""
    return (x % 256) << 16 | (y % 256) << 8 | (x // 256) << 4 | y // 256


def show_distinct_pixels(x, work):
    """Puts a picture of distinct pixels on the whole screen, and checks that the screen shows it."""
    width, height = x.screen_size()
    picture = work / "distinct.ppm"
    rows = (b"".join(distinct_pixel(px, py).to_bytes(3, "big") for px in range(width)) for py in range(height))
    picture.write_bytes(f"P6 {width} {height} 255\n".encode() + b"".join(rows))
    # display exits with 1 even when it has set the picture; the screen itself shows whether it has.
    subprocess.run(["display", "-window", "root", str(picture)], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    for px, py in ((0, 0), (width - 1, height - 1), LOUPE_FIND_POINT):
        if x.screen_pixels(px, py, 1, 1)[0][0] != distinct_pixel(px, py):
            sys.exit(f"the screen does not show the picture of distinct pixels at {px},{py}")


def bounding_box(pixels, colour):
    """(left, top, right, bottom), inclusive, of the pixels of one colour in rows of pixels; None if there are none."""
    found = [(px, py) for py, row in enumerate(pixels) for px, value in enumerate(row) if value == colour]
    if not found:
        return None
    xs, ys = [p[0] for p in found], [p[1] for p in found]
    return min(xs), min(ys), max(xs), max(ys)


def loupe_middle(x, program):
    """The screen place of the loupe's middle cell, found on the screen rather than computed, so that it holds for any
    skin and factor: the pointed pixel's colour between the cells of its left and right neighbours (the swatch shows
    that colour too, but never the neighbours')."""
    x.move_pointer(*LOUPE_FIND_POINT)
    place = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", program.window).split())
    left, top, width, height = (int(place[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
    px, py = LOUPE_FIND_POINT
    deadline = time.perf_counter() + 5
    while time.perf_counter() < deadline:
        pixels = x.screen_pixels(left, top, width, height)
        before = bounding_box(pixels, distinct_pixel(px - 1, py))
        after = bounding_box(pixels, distinct_pixel(px + 1, py))
        if before and after:
            rows_top = min(before[1], after[1])
            between = [row[before[2] + 1:after[0]] for row in pixels[rows_top:max(before[3], after[3]) + 1]]
            middle = bounding_box(between, distinct_pixel(px, py))
            if middle:
                spot = (left + before[2] + 1 + (middle[0] + middle[2]) // 2,
                        top + rows_top + (middle[1] + middle[3]) // 2)
                if x.screen_pixels(*spot, 1, 1)[0][0] == distinct_pixel(px, py):
                    return spot
        time.sleep(0.05)
    sys.exit(f"the loupe does not show the pixel at {LOUPE_FIND_POINT} between its neighbours")


def measure_loupe(x, folder, with_loupe, over_picture):
    """One round of the loupe's figures: pixlin.exe with the skin's loupe, or with the same skin without it. Over the
    display's own background the readouts change on few moves; over the picture of distinct pixels, on every one."""
    x.move_pointer(*REST_POINT)
    program = Program(folder, "pixlin.exe")
    time.sleep(1.0)
    if not over_picture:
        figures = {"loupe_rest_cpu_ms": cpu_at_rest_ms(program), "loupe_moving_cpu_ms": cpu_moving_ms(x, program),
                   "loupe_peak_mb": peak_memory_mb(program.pid)}
    else:
        figures = {"loupe_picture_moving_cpu_ms": cpu_moving_ms(x, program)}
        if with_loupe:
            middle = loupe_middle(x, program)
            latencies = []
            for point in latency_points(LOUPE_SAMPLES):
                x.move_pointer(*point)
                waited = x.wait_for_pixel(*middle, distinct_pixel(*point), 2.0)
                latencies.append(float("inf") if waited is None else waited * 1000)
            figures["loupe_ms"] = statistics.median(latencies)
    program.stop()
    return figures


def bmp_size(path):
    """A BMP's width and height, as the baseline's command line takes them (rows may be stored either way up)."""
    header = path.read_bytes()[:26]
    width = int.from_bytes(header[18:22], "little", signed=True)
    height = int.from_bytes(header[22:26], "little", signed=True)
    return str(width), str(abs(height))


def without_lines(layout, keys, what):
    """The layout file's bytes without the lines of some keys, each given with its `=`."""
    lines = layout.splitlines(keepends=True)
    kept = [line for line in lines if not line.startswith(keys)]
    if len(kept) == len(lines):
        sys.exit(f"the skin places no {what}: its pixlin.dat0 has none of the lines {b', '.join(keys).decode()}")
    return b"".join(kept)


def measure_paste(x, folder, _with_keys, over_picture):
    """One round of the figures of the readouts ready to paste, with the skin's lines or without them."""
    x.move_pointer(*REST_POINT)
    program = Program(folder, "pixlin.exe")
    time.sleep(1.0)
    xdotool("key", "ctrl+F11")
    if over_picture:
        figures = {"paste_picture_moving_cpu_ms": cpu_moving_ms(x, program)}
    else:
        figures = {"paste_moving_cpu_ms": cpu_moving_ms(x, program), "paste_peak_mb": peak_memory_mb(program.pid)}
    program.stop()
    return figures


def plant_profile(planted):
    """Makes the Adobe RGB-compatible profile the display's, as Wine's GetICMProfileW reads it, or removes it."""
    planted_file = Path(os.environ["WINEPREFIX"]) / "drive_c/windows/system32/spool/drivers/color" / PROFILE_NAME
    if planted:
        shutil.copy(PROFILE_SOURCE, planted_file)
        command = ["wine", "reg", "add", PROFILE_KEY, "/v", PROFILE_NAME, "/t", "REG_SZ", "/d", "", "/f"]
    else:
        planted_file.unlink(missing_ok=True)
        command = ["wine", "reg", "delete", PROFILE_KEY, "/v", PROFILE_NAME, "/f"]
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def measure_profile(x, folder, profiled, over_picture):
    """One round of the profile's figures: the picker on a display with the profile, or on an sRGB display. The
    picker reads the profile as it first samples, after the start."""
    plant_profile(profiled)
    x.move_pointer(*REST_POINT)
    program = Program(folder, "pixlin.exe")
    time.sleep(1.0)
    if over_picture:
        figures = {"profile_picture_moving_cpu_ms": cpu_moving_ms(x, program)}
    else:
        figures = {"profile_start_ms": program.start_ms, "profile_moving_cpu_ms": cpu_moving_ms(x, program),
                   "profile_peak_mb": peak_memory_mb(program.pid)}
    program.stop()
    return figures


def kept_colour(index):
    return 0x203040 + index * 0x050301


def kept_file_bytes():
    """A kept colours file as Pixlin writes it: 32 colours, the first four pinned, a fixed text colour."""
    history = [{"hex": f"#{kept_colour(i):06X}", "pinned": i < 4, "x": 100 + i, "y": 200} for i in range(KEPT_COLOURS)]
    document = {"contrast": {"background": None, "text": "#000000"}, "format": "pixlin-colours", "history": history,
                "version": 1}
    return json.dumps(document, indent=2, sort_keys=True).encode()


def wine_text(*command):
    return subprocess.run(["wine", *command], capture_output=True, text=True, stdin=subprocess.DEVNULL).stdout.strip()


def set_keeping(on, kept_file):
    """Keeping on with the kept file in place, or off: the registry switch the program reads at start-up."""
    if on:
        kept_file.parent.mkdir(parents=True, exist_ok=True)
        kept_file.write_bytes(kept_file_bytes())
        wine_text("reg", "add", r"HKCU\Software\Pixlin", "/v", "KeepColours", "/t", "REG_DWORD", "/d", "1", "/f")
    else:
        wine_text("reg", "delete", r"HKCU\Software\Pixlin", "/f")


def measure_kept(x, folder, keeping, kept_file):
    """One start with keeping on (and the kept file) or off: until the first sample shows in the caption, and the peak
    memory a second later. With keeping on, the history's first swatch must show the first kept colour."""
    set_keeping(keeping, kept_file)
    x.move_pointer(0, 0)
    program = Program(folder, "pixlin.exe")
    x.watch_properties(program.window)
    if x.wait_for_name(program.window, "X:0   Y:0", 10) is None:
        program.stop()
        sys.exit("the caption never showed the pointer at 0, 0")
    figures = {"kept_start_ms": (time.perf_counter() - program.started) * 1000}
    time.sleep(1.0)
    figures["kept_peak_mb"] = peak_memory_mb(program.pid)
    if keeping:
        geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", program.window).split())
        swatch = x.screen_pixels(int(geometry["X"]) + 21, int(geometry["Y"]) + 167, 1, 1)[0][0]
        if swatch != kept_colour(0):
            program.stop()
            sys.exit(f"the first history swatch shows {swatch:06X}, not the kept {kept_colour(0):06X}")
    program.stop()
    return figures


def measure_reference(x, folder, _this_build, over_picture):
    """One round of the sRGB display's figures, of this build or of the reference build."""
    plant_profile(False)
    x.move_pointer(*REST_POINT)
    program = Program(folder, "pixlin.exe")
    time.sleep(1.0)
    if over_picture:
        figures = {"srgb_picture_moving_cpu_ms": cpu_moving_ms(x, program)}
    else:
        figures = {"srgb_rest_cpu_ms": cpu_at_rest_ms(program), "srgb_moving_cpu_ms": cpu_moving_ms(x, program),
                   "srgb_peak_mb": peak_memory_mb(program.pid)}
    program.stop()
    return figures
def kept_rounds(x, work, rounds, skin_dir, pixlin_exe):
    """Keeping on against off, taking turns; the kept file and the switch are removed again at the end."""
    folder = work / "kept"
    folder.mkdir()
    for name in ("pixlin.dat1", "pixlin.dat2"):
        shutil.copy(Path(skin_dir) / name, folder)
    layout = without_lines((Path(skin_dir) / "pixlin.dat0").read_bytes(), (b"history=",), "history")
    (folder / "pixlin.dat0").write_bytes(layout + KEPT_HISTORY_LINE)
    shutil.copy(pixlin_exe, folder / "pixlin.exe")
    appdata = wine_text("cmd", "/c", "echo", "%APPDATA%")
    kept_file = Path(subprocess.run(["winepath", "-u", appdata], capture_output=True, text=True,
                                    stdin=subprocess.DEVNULL).stdout.strip()) / "Pixlin" / "colours.json"
    runs = {True: [], False: []}
    try:
        measure_kept(x, folder, True, kept_file)
        for round_number in range(rounds):
            for keeping in (True, False) if round_number % 2 == 0 else (False, True):
                runs[keeping].append(measure_kept(x, folder, keeping, kept_file))
                print(f"round {round_number + 1}/{rounds} keeping {'on' if keeping else 'off'}: {runs[keeping][-1]}",
                      file=sys.stderr)
    finally:
        set_keeping(False, kept_file)
        shutil.rmtree(kept_file.parent, ignore_errors=True)
    return {key: tuple(statistics.median(run[key] for run in runs[keeping]) for keeping in (True, False))
            for key in runs[True][0]}


def measure_scaled(x, folder, prefix):
    """Start-up and CPU at rest of pixlin.exe on a screen of another scale."""
    x.move_pointer(*REST_POINT)
    program = Program(folder, "pixlin.exe", prefix)
    time.sleep(1.0)
    before = cpu_seconds(program.pid)
    time.sleep(SAMPLE_SECONDS)
    rest_cpu_ms = (cpu_seconds(program.pid) - before) * 1000
    program.stop()
    return program.start_ms, rest_cpu_ms


def measure_start_only(x, folder, exe_name, prefix=None):
    x.move_pointer(*REST_POINT)
    program = Program(folder, exe_name, prefix)
    time.sleep(0.5)
    program.stop()
    return program.start_ms


def large_skin_pixel(x, y):
    """A disc cut by a grid of square holes on a key-colour ground: a shape of many runs on every row."""
    centre, radius = 499.5, 490
    if (x - centre) ** 2 + (y - centre) ** 2 > radius * radius:
        return (255, 0, 255)
    if x % 40 < 8 and y % 40 < 8:
        return (255, 0, 255)
    return (44 + x % 64, 51 + y % 64, 64)


def imported_dlls(objdump, exe):
    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    return sorted({line.split(":", 1)[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line})


def verdict(met):
    return "yes" if met else "**no**"


class Row:
    """One line of the table: which figure, how a value shows, the target and whether pixlin.exe met it."""

    def __init__(self, label, key, show, target=None, met=None):
        self.label, self.key = label, key
        self._show, self._target, self._met = show, target, met

    def show(self, value):
        return "—" if value is None else self._show(value)

    def target(self, baseline):
        return "—" if self._target is None else self._target(baseline)

    def met(self, pixlin, baseline):
        return "—" if self._met is None else self._met(pixlin, baseline)


def milliseconds(value):
    return f"{value:.0f}"


TABLE = (
    Row("Start → window visible (ms)", "start_ms", milliseconds,
        lambda baseline: f"≤ {START_FACTOR} × baseline = {START_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= START_FACTOR * baseline)),
    Row(f"CPU time over {SAMPLE_SECONDS} s, pointer at rest (ms)", "rest_cpu_ms", milliseconds,
        lambda baseline: f"≤ {REST_CPU_FACTOR} × baseline = {REST_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= REST_CPU_FACTOR * baseline)),
    Row(f"CPU time over {SAMPLE_SECONDS} s, pointer moving every {MOVE_EVERY_S * 1000:.0f} ms (ms)", "moving_cpu_ms",
        milliseconds,
        lambda baseline: f"≤ {MOVING_CPU_FACTOR} × baseline = {MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= MOVING_CPU_FACTOR * baseline)),
    Row("Pointer move → caption updated (10 ms ticks)", "caption_ms",
        lambda ms: f"{ms / TIMER_TICK_MS:.1f} ({ms:.1f} ms)",
        lambda baseline: f"≤ {CAPTION_TICKS}",
        lambda pixlin, baseline: verdict(pixlin <= CAPTION_TICKS * TIMER_TICK_MS)),
    Row("Peak memory, VmHWM (MB)", "peak_mb", lambda mb: f"{mb:.1f}",
        lambda baseline: f"≤ baseline + {MEMORY_SLACK_MB} = {baseline + MEMORY_SLACK_MB:.1f}",
        lambda pixlin, baseline: verdict(pixlin <= baseline + MEMORY_SLACK_MB)),
    Row("Executable size (KB)", "exe_bytes", lambda size: f"{size / 1024:.0f}",
        lambda baseline: f"≤ {EXE_LIMIT_BYTES // 1024}",
        lambda pixlin, baseline: verdict(pixlin <= EXE_LIMIT_BYTES)),
    Row("Imported DLLs", "imports", ", ".join,
        lambda baseline: "system DLLs only",
        lambda pixlin, baseline: "see list"),
    Row("Start → window visible, 1000 × 1000 skin (ms)", "large_start_ms", milliseconds,
        lambda baseline: "measured"),
    Row("Start → window visible at 200 % (ms; baseline: pixlin.exe at 100 %)", "scaled_start_ms", milliseconds,
        lambda baseline: f"≤ {START_FACTOR} × pixlin.exe at 100 % = {START_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= START_FACTOR * baseline)),
    Row(f"CPU time over {SAMPLE_SECONDS} s at rest, 200 % (ms; baseline: pixlin.exe at 100 %)", "scaled_rest_cpu_ms",
        milliseconds,
        lambda baseline: f"≤ {REST_CPU_FACTOR} × pixlin.exe at 100 % = {REST_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= REST_CPU_FACTOR * baseline)),
    Row(f"Loupe: CPU time over {SAMPLE_SECONDS} s, pointer at rest (ms; baseline: same skin without the loupe)",
        "loupe_rest_cpu_ms", milliseconds,
        lambda baseline: f"unchanged: ≤ {LOUPE_REST_CPU_FACTOR} × without = {LOUPE_REST_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= LOUPE_REST_CPU_FACTOR * baseline)),
    Row(f"Loupe: CPU time over {SAMPLE_SECONDS} s, pointer moving every {MOVE_EVERY_S * 1000:.0f} ms"
        " (ms; baseline: same skin without the loupe)", "loupe_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {LOUPE_MOVING_CPU_FACTOR} × without = {LOUPE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= LOUPE_MOVING_CPU_FACTOR * baseline)),
    Row("Loupe: the same over a picture of distinct pixels (ms; baseline: same skin without the loupe)",
        "loupe_picture_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {LOUPE_MOVING_CPU_FACTOR} × without = {LOUPE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= LOUPE_MOVING_CPU_FACTOR * baseline)),
    Row("Loupe: pointer move → loupe's middle cell shows the new pixel, over the picture (10 ms ticks)", "loupe_ms",
        lambda ms: f"{ms / TIMER_TICK_MS:.1f} ({ms:.1f} ms)",
        lambda baseline: f"≤ {LOUPE_TICKS}",
        lambda pixlin, baseline: verdict(pixlin <= LOUPE_TICKS * TIMER_TICK_MS)),
    Row("Loupe: peak memory, VmHWM (MB; baseline: same skin without the loupe)", "loupe_peak_mb",
        lambda mb: f"{mb:.1f}",
        lambda baseline: f"≤ without + {LOUPE_MEMORY_SLACK_MB} = {baseline + LOUPE_MEMORY_SLACK_MB:.1f}",
        lambda pixlin, baseline: verdict(pixlin <= baseline + LOUPE_MEMORY_SLACK_MB)),
)

PASTE_TABLE = (
    Row(f"Paste forms: CPU time over {SAMPLE_SECONDS} s, pointer moving every {MOVE_EVERY_S * 1000:.0f} ms"
        " (ms; baseline: same skin without their keys)", "paste_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {PASTE_MOVING_CPU_FACTOR} × without = {PASTE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= PASTE_MOVING_CPU_FACTOR * baseline)),
    Row("Paste forms: the same over a picture of distinct pixels (ms; baseline: same skin without their keys)",
        "paste_picture_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {PASTE_MOVING_CPU_FACTOR} × without = {PASTE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= PASTE_MOVING_CPU_FACTOR * baseline)),
    Row("Paste forms: peak memory, VmHWM (MB; baseline: same skin without their keys)", "paste_peak_mb",
        lambda mb: f"{mb:.1f}",
        lambda baseline: f"≤ without + {PASTE_MEMORY_SLACK_MB} = {baseline + PASTE_MEMORY_SLACK_MB:.1f}",
        lambda pixlin, baseline: verdict(pixlin <= baseline + PASTE_MEMORY_SLACK_MB)),
)

PROFILE_TABLE = (
    Row("Profiled display: start → window visible (ms; baseline: same skin on an sRGB display)", "profile_start_ms",
        milliseconds, lambda baseline: "measured"),
    Row(f"Profiled display: CPU time over {SAMPLE_SECONDS} s, pointer moving every {MOVE_EVERY_S * 1000:.0f} ms"
        " (ms; baseline: same skin on an sRGB display)", "profile_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {PROFILE_MOVING_CPU_FACTOR} × sRGB = {PROFILE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= PROFILE_MOVING_CPU_FACTOR * baseline)),
    Row("Profiled display: the same over a picture of distinct pixels, a conversion at every move (ms; baseline: same"
        " skin on an sRGB display)", "profile_picture_moving_cpu_ms", milliseconds,
        lambda baseline: f"≤ {PROFILE_MOVING_CPU_FACTOR} × sRGB = {PROFILE_MOVING_CPU_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= PROFILE_MOVING_CPU_FACTOR * baseline)),
    Row("Profiled display: peak memory, VmHWM (MB; baseline: same skin on an sRGB display)", "profile_peak_mb",
        lambda mb: f"{mb:.1f}",
        lambda baseline: f"≤ sRGB + {PROFILE_MEMORY_SLACK_MB} = {baseline + PROFILE_MEMORY_SLACK_MB:.1f}",
        lambda pixlin, baseline: verdict(pixlin <= baseline + PROFILE_MEMORY_SLACK_MB)),
)

# This build against another on an sRGB display, where nothing is to change.
REFERENCE_TABLE = (
    Row(f"sRGB display: CPU time over {SAMPLE_SECONDS} s, pointer at rest (ms; baseline: the reference build)",
        "srgb_rest_cpu_ms", milliseconds, lambda baseline: "unchanged"),
    Row(f"sRGB display: CPU time over {SAMPLE_SECONDS} s, pointer moving every {MOVE_EVERY_S * 1000:.0f} ms"
        " (ms; baseline: the reference build)", "srgb_moving_cpu_ms", milliseconds, lambda baseline: "unchanged"),
    Row("sRGB display: the same over a picture of distinct pixels (ms; baseline: the reference build)",
        "srgb_picture_moving_cpu_ms", milliseconds, lambda baseline: "unchanged"),
    Row("sRGB display: peak memory, VmHWM (MB; baseline: the reference build)", "srgb_peak_mb",
        lambda mb: f"{mb:.1f}", lambda baseline: "unchanged"),
)

KEPT_TABLE = (
    Row("Kept colours: start → first sample in the caption (ms; baseline: keeping off)", "kept_start_ms", milliseconds,
        lambda baseline: f"≤ {KEPT_START_FACTOR} × off = {KEPT_START_FACTOR * baseline:.0f}",
        lambda pixlin, baseline: verdict(pixlin <= KEPT_START_FACTOR * baseline)),
    Row("Kept colours: peak memory, VmHWM (MB; baseline: keeping off)", "kept_peak_mb", lambda mb: f"{mb:.2f}",
        lambda baseline: f"≤ off + {KEPT_MEMORY_SLACK_MB} = {baseline + KEPT_MEMORY_SLACK_MB:.2f}",
        lambda pixlin, baseline: verdict(pixlin <= baseline + KEPT_MEMORY_SLACK_MB)),
)

# Start-up with heavy skins, each in a folder of its own beside the default skin: what goes into the folder.
HEAVY_SKINS = (
    ("Start → window visible, default skin, same rounds as below (ms)", "default", {}),
    ("Start → window visible, skin of 5,000 runs (ms)", "runs5k", {"pixlin.dat1": lambda: heavy_skins.stripes(5000)}),
    ("Start → window visible, skin of 20,000 runs (ms)", "runs20k",
     {"pixlin.dat1": lambda: heavy_skins.stripes(20000)}),
    ("Start → window visible, skin of 80,000 runs (ms)", "runs80k",
     {"pixlin.dat1": lambda: heavy_skins.stripes(80000)}),
    ("Start → window visible, 1000 × 1000 photo skin, 5 % key pixels (ms)", "photo",
     {"pixlin.dat1": lambda: heavy_skins.photo(1000, 1000, 5)}),
)
for label, key, _ in HEAVY_SKINS:
    TABLE += (Row(label, key, milliseconds, lambda baseline: "measured"),)


def paired_rounds(x, work, rounds, folders, measure, what):
    """Rounds of the default skin against the same skin without some of its lines, taking turns: first over the
    display's own background, then over a picture of distinct pixels, where every move changes what the skin shows.
    `measure(x, folder, with_lines, over_picture)` gives one round's figures; each figure's medians with the lines and
    without, from the runs that measured it (None where no run without did)."""
    runs = {True: [], False: []}
    for over_picture in (False, True):
        if over_picture:
            show_distinct_pixels(x, work)
        for round_number in range(rounds):
            for with_lines in (True, False) if round_number % 2 == 0 else (False, True):
                runs[with_lines].append(measure(x, folders[with_lines], with_lines, over_picture))
                print(f"round {round_number + 1}/{rounds} {'with' if with_lines else 'without'} {what}"
                      f"{' over the picture' if over_picture else ''}: {runs[with_lines][-1]}", file=sys.stderr)
    subprocess.run(["xsetroot", "-def"], check=True)
    return {key: tuple(statistics.median([run[key] for run in runs[with_lines] if key in run] or [None])
                       for with_lines in (True, False))
            for key in {key for run in runs[True] for key in run}}


def paste_rounds(x, work, rounds, folders):
    return paired_rounds(x, work, rounds, {True: folders["pixlin.exe"], False: folders["no_paste"]}, measure_paste,
                         "the paste forms")


def profile_rounds(x, work, rounds, skin_dir, pixlin_exe):
    """The profile's rounds, and the reference build's when one is given; the profile is removed again however they
    end."""
    folder = work / "profile"
    folder.mkdir()
    if not any(line.startswith(b"profile=") for line in (Path(skin_dir) / "pixlin.dat0").read_bytes().splitlines()):
        sys.exit("the skin places no profile text: its pixlin.dat0 has no profile= line")
    for name in ("pixlin.dat0", "pixlin.dat1", "pixlin.dat2"):
        shutil.copy(Path(skin_dir) / name, folder)
    shutil.copy(pixlin_exe, folder / "pixlin.exe")
    try:
        table, figures = PROFILE_TABLE, paired_rounds(x, work, rounds, {True: folder, False: folder},
                                                      measure_profile, "the display's profile")
        reference_exe = os.environ.get("PIXLIN_BENCH_REFERENCE")
        if reference_exe:
            reference = work / "reference"
            shutil.copytree(folder, reference)
            shutil.copy(reference_exe, reference / "pixlin.exe")
            table += REFERENCE_TABLE
            figures.update(paired_rounds(x, work, rounds, {True: folder, False: reference}, measure_reference,
                                         "this build (against the reference)"))
    finally:
        plant_profile(False)
    return table, figures


def print_table(rounds, table, figures):
    rows = [(row.label, row.show(figures[row.key][0]), row.show(figures[row.key][1]),
             row.target(figures[row.key][1]), row.met(*figures[row.key])) for row in table]
    print(f"Medians of {rounds} rounds under Wine ({subprocess.run(['wine', '--version'], capture_output=True, text=True).stdout.strip()}),"
          f" Xvfb {os.environ.get('DISPLAY', '')}:")
    print()
    print("| Figure | pixlin.exe | Baseline | Target | Met |")
    print("|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


def main():
    pixlin_exe, baseline_exe, skin_dir, objdump, rounds = sys.argv[1:6]
    prefix_at_200 = sys.argv[6] if len(sys.argv) > 6 else None
    rounds = int(rounds)
    x = Xlib()
    work = Path(tempfile.mkdtemp(prefix="pixlin-bench-"))
    try:
        folders = {"pixlin.exe": work / "pixlin", "pixlin_baseline.exe": work / "baseline",
                   "large": work / "large", "no_loupe": work / "no-loupe", "no_paste": work / "no-paste"}
        for folder in folders.values():
            folder.mkdir()
        for name in ("pixlin.dat0", "pixlin.dat1", "pixlin.dat2"):
            shutil.copy(Path(skin_dir) / name, folders["pixlin.exe"])
            shutil.copy(Path(skin_dir) / name, folders["large"])
            shutil.copy(Path(skin_dir) / name, folders["no_loupe"])
            shutil.copy(Path(skin_dir) / name, folders["no_paste"])
        for key in ("pixlin.exe", "large", "no_loupe", "no_paste"):
            shutil.copy(pixlin_exe, folders[key] / "pixlin.exe")
        layout = folders["no_loupe"] / "pixlin.dat0"
        layout.write_bytes(without_lines(layout.read_bytes(), (b"zoom=",), "loupe"))
        layout = folders["no_paste"] / "pixlin.dat0"
        layout.write_bytes(without_lines(layout.read_bytes(), PASTE_KEYS, "readout ready to paste"))
        if os.environ.get("PIXLIN_BENCH_ONLY") == "profile":
            measure_start_only(x, folders["pixlin.exe"], "pixlin.exe")
            print_table(rounds, *profile_rounds(x, work, rounds, skin_dir, pixlin_exe))
            return
        if os.environ.get("PIXLIN_BENCH_ONLY") == "paste":
            measure_start_only(x, folders["pixlin.exe"], "pixlin.exe")
            print_table(rounds, PASTE_TABLE, paste_rounds(x, work, rounds, folders))
            return
        if os.environ.get("PIXLIN_BENCH_ONLY") == "kept":
            print_table(rounds, KEPT_TABLE, kept_rounds(x, work, rounds, skin_dir, pixlin_exe))
            return
        shutil.copy(baseline_exe, folders["pixlin_baseline.exe"] / "pixlin_baseline.exe")
        PROGRAM_ARGUMENTS["pixlin_baseline.exe"] = bmp_size(Path(skin_dir) / "pixlin.dat1")
        (folders["large"] / "pixlin.dat1").write_bytes(bmp_bytes(1000, 1000, large_skin_pixel))
        for _, key, files in HEAVY_SKINS:
            folders[key] = work / key
            folders[key].mkdir()
            for name in ("pixlin.dat0", "pixlin.dat1", "pixlin.dat2"):
                shutil.copy(Path(skin_dir) / name, folders[key])
            shutil.copy(pixlin_exe, folders[key] / "pixlin.exe")
            for name, make in files.items():
                (folders[key] / name).write_bytes(make())

        # The first start in a session loads Wine's own DLLs from disk; leave it out of the figures.
        for exe_name in ("pixlin.exe", "pixlin_baseline.exe"):
            measure_start_only(x, folders[exe_name], exe_name)

        runs = {"pixlin.exe": [], "pixlin_baseline.exe": []}
        large_starts = []
        heavy_starts = {key: [] for _, key, _ in HEAVY_SKINS}
        scaled_runs = []
        for round_number in range(rounds):
            order = ["pixlin.exe", "pixlin_baseline.exe"]
            if round_number % 2:
                order.reverse()
            for exe_name in order:
                runs[exe_name].append(measure(x, folders[exe_name], exe_name))
                print(f"round {round_number + 1}/{rounds} {exe_name}: {runs[exe_name][-1]}", file=sys.stderr)
            large_starts.append(measure_start_only(x, folders["large"], "pixlin.exe"))
            print(f"round {round_number + 1}/{rounds} 1000x1000 skin: {large_starts[-1]:.0f} ms", file=sys.stderr)
            for _, key, _ in HEAVY_SKINS:
                heavy_starts[key].append(measure_start_only(x, folders[key], "pixlin.exe"))
                print(f"round {round_number + 1}/{rounds} {key}: {heavy_starts[key][-1]:.0f} ms", file=sys.stderr)
        # The loupe's rounds; only the runs with the loupe have a latency.
        loupe_figures = paired_rounds(x, work, rounds, {True: folders["pixlin.exe"], False: folders["no_loupe"]},
                                      measure_loupe, "the loupe")
        paste_figures = paste_rounds(x, work, rounds, folders)
        kept_figures = kept_rounds(x, work, rounds, skin_dir, pixlin_exe)
        # The prefix at 200 % runs after the others: the first start after a switch between two prefixes on one
        # display takes seconds more (measured: about 11 s), which belongs to neither program.
        if prefix_at_200:
            measure_start_only(x, folders["pixlin.exe"], "pixlin.exe", prefix_at_200)
            for round_number in range(rounds):
                scaled_runs.append(measure_scaled(x, folders["pixlin.exe"], prefix_at_200))
                print(f"round {round_number + 1}/{rounds} at 200 %: start {scaled_runs[-1][0]:.0f} ms,"
                      f" rest CPU {scaled_runs[-1][1]:.0f} ms", file=sys.stderr)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    # Each figure of both programs: medians of the rounds, and what the files themselves show.
    figures = {key: tuple(statistics.median(run[key] for run in runs[exe_name])
                          for exe_name in ("pixlin.exe", "pixlin_baseline.exe"))
               for key in runs["pixlin.exe"][0]}
    figures["exe_bytes"] = os.path.getsize(pixlin_exe), os.path.getsize(baseline_exe)
    figures["imports"] = imported_dlls(objdump, pixlin_exe), imported_dlls(objdump, baseline_exe)
    figures["large_start_ms"] = statistics.median(large_starts), None
    for key, starts in heavy_starts.items():
        figures[key] = statistics.median(starts), None
    figures.update(loupe_figures)
    figures.update(paste_figures)
    figures.update(kept_figures)
    table = TABLE + PASTE_TABLE + KEPT_TABLE
    if scaled_runs:
        figures["scaled_start_ms"] = statistics.median(r[0] for r in scaled_runs), figures["start_ms"][0]
        figures["scaled_rest_cpu_ms"] = statistics.median(r[1] for r in scaled_runs), figures["rest_cpu_ms"][0]
    else:
        table = tuple(row for row in table if not row.key.startswith("scaled_"))
    print_table(rounds, table, figures)


if __name__ == "__main__":
    main()
