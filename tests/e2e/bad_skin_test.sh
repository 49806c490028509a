#!/usr/bin/env bash
# Whatever the skin bitmap file holds, the picker starts and ends on Esc without crashing or hanging. A file that is
# no usable picture leaves the built-in skin, and the picker fully usable; a huge picture is a huge window that still
# follows the pointer; a picture all of the key colour (a 1 x 1 one is nothing but its top-left pixel) leaves a
# window with no area, as its author chose, that still runs and ends on Esc.
source "$(dirname "$0")/lib.sh"

install_picker
bitmap=$PICKER_DIR/pixlin.dat1

# A 24-bit BMP of one colour.
solid_bmp() {
    python3 "$E2E_SUPPORT/bmp.py" "$@"
}

# A two-colour PNG: the key colour in an 8-pixel frame, the surface inside. Small on disk, quick to make.
framed_png() {
    python3 - "$1" <<'PY'
import struct, sys, zlib
size = int(sys.argv[1])
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
row_bytes = size // 8
frame = b"\0" + bytes(row_bytes)
inner = b"\0" + b"\0" + b"\xff" * (row_bytes - 2) + b"\0"
rows = zlib.compressobj(6)
data = rows.compress(frame * 8) + rows.compress(inner * (size - 16)) + rows.compress(frame * 8) + rows.flush()
sys.stdout.buffer.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 1, 3, 0, 0, 0)) +
                        chunk(b"PLTE", bytes((255, 0, 255, 44, 51, 64))) + chunk(b"IDAT", data) + chunk(b"IEND", b""))
PY
}

empty_file() { true; }
truncated() { head -c 1000 "$E2E_SKIN/pixlin.dat1"; }
not_an_image() { printf 'rgb=170,40,116,16,16117996\r\nthis is no picture\r\n'; }
huge_8000x8000() { framed_png 8000; }
one_by_one() { solid_bmp 1 1 2c3340; }
all_key_colour() { solid_bmp 64 48 ff00ff; }

default_size=$(identify -format '%wx%h' "$E2E_SKIN/pixlin.dat1")
x=300
for row in "empty_file $default_size" "truncated $default_size" "not_an_image $default_size" \
    "huge_8000x8000 8000x8000"; do
    read -r maker size <<<"$row"
    "$maker" >"$bitmap"
    x=$((x + 13))
    expect_usable "$maker ($(stat -c %s "$bitmap") bytes)" "$x" 456 "$size"
    echo "$maker: usable, window $size"
done

# No area: the window cannot be seen, so it is found among the program's windows by its caption.
picker_any_window_found() {
    PICKER_WINDOW=$(xdotool search --all --pid "$PICKER_PID" --name '^X:' 2>/dev/null | head -n 1 || true)
    [ -n "$PICKER_WINDOW" ]
}
for maker in one_by_one all_key_colour; do
    "$maker" >"$bitmap"
    x=$((x + 13))
    xdotool mousemove "$x" 456
    (cd "$PICKER_DIR" && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
    PICKER_PID=$!
    wait_for 10 picker_any_window_found || fail "$maker: no window follows the pointer"
    window_name_is "$PICKER_WINDOW" "X:$x   Y:456" || fail "$maker: caption '$(window_name "$PICKER_WINDOW")'"
    ! window_named '^[0-9]+$' || fail "$maker: start-up reported error $(window_name "$FOUND_WINDOW")"
    # It samples another move as well: the program did not end by itself after its first tick.
    xdotool mousemove "$x" 457
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$x   Y:457" || fail "$maker: the caption stopped following"
    picker_running || fail "$maker: the program ended by itself"
    esc_ends_picker "$PICKER_WINDOW" || fail "$maker: Esc did not end the program"
    echo "$maker: ran with a window of no area, Esc ended it"
done
echo "the picker survived every skin bitmap"
