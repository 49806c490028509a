# Sourced by the display scale tests: the picker on a screen of another dpi, against the same picker at 96 dpi.
# Each scale has a Wine prefix of its own, kept beside the session's, whose LogPixels never changes once made.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-session.sh"

SESSION_PREFIX=$WINEPREFIX
SCALED_PREFIX=""
DPI=96
readouts=(rgb hex long hls cmy cmyk ycbcr)
sample_colour=ffff00
shot=$E2E_DIR/window.png
# The clock copy's place in the last window shot, "left,top,width,height".
clock_box=""

display_scale_cleanup() {
    e2e_cleanup
    stop_scaled_prefix
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
}
trap display_scale_cleanup EXIT

stop_scaled_prefix() {
    if [ -n "$SCALED_PREFIX" ]; then
        WINEPREFIX=$SCALED_PREFIX wineserver -k >/dev/null 2>&1 || true
    fi
}

# The default skin at 200 % is taller than the session's screen, so these tests have a display of their own, tall
# enough at every scale they run, and a prefix of their own at every dpi, 96 included: a prefix's desktop and
# clipboard stay on the display its server started with.
start_virtual_display 1280x1200

# Physical pixels for lengths at 100 %: value x dpi / 96, halves to even, as the picker rounds.
scaled() {
    python3 -c 'import sys; d = int(sys.argv[1]); print(*(round(int(v) * d / 96) for v in sys.argv[2:]))' "$DPI" "$@"
}

# From here on the picker starts on a screen of the given dpi.
use_dpi() {
    stop_scaled_prefix
    DPI=$1
    SCALED_PREFIX="$SESSION_PREFIX-dpi$DPI"
    export WINEPREFIX=$SCALED_PREFIX
    wine_prefix_start "$DPI"
}

# "left,top,width,height" of a control in window pixels at the current dpi.
scaled_box() {
    local left top width height
    read -r left top width height < <(layout_rect "$1")
    read -r left top width height < <(scaled "$left" "$top" "$width" "$height")
    echo "$left,$top,$width,$height"
}

# Starts the picker, samples the colour at a spot of the screen, checks the caption and freezes the readouts.
start_and_freeze() {
    xsetroot -solid "#$sample_colour"
    wait_for 5 screen_pixel_is 20 780 "$sample_colour" || fail "the screen was not painted #$sample_colour"
    xdotool mousemove 300 400
    start_picker
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:300   Y:400" || fail "$DPI dpi: the caption does not show 300,400"
    press_hotkey
    # The clock tells when a tick has passed. It lies over the picker's top right corner, which the checks leave out.
    start_clock
    wait_for_freeze "$PICKER_WINDOW" 300 400 || fail "$DPI dpi: Ctrl+F12 did not freeze the sampling"
    [ "$FROZEN_CAPTION" = "X:300   Y:400" ] || fail "$DPI dpi: frozen at '$FROZEN_CAPTION', not at 300,400"
    local x y width height
    read -r x y width height < <(window_geometry "$PICKER_WINDOW")
    import -window root -crop "${width}x$height+$x+$y" +repage "$shot"
    local clock_x clock_y clock_width clock_height
    read -r clock_x clock_y clock_width clock_height < <(window_geometry "$CLOCK_WINDOW")
    clock_box="$((clock_x - x)),$((clock_y - y)),$clock_width,$clock_height"
}

# "NAME TOP BOTTOM LEFT RIGHT" ink margins of every readout and the name box in the last window shot.
ink_margins() {
    local width specs=() key
    width=$(identify -format '%w' "$shot")
    for key in "${readouts[@]}"; do
        specs+=("$key:$(scaled_box "$key"):light")
    done
    specs+=("text:$(scaled_box text):dark")
    convert "$shot" -depth 8 rgb:"$E2E_DIR/shot.rgb"
    python3 "$(dirname "${BASH_SOURCE[0]}")/ink_margins.py" "$E2E_DIR/shot.rgb" "$width" "${specs[@]}"
}

end_picker() {
    stop_clock
    esc_ends_picker "$PICKER_WINDOW" || fail "$DPI dpi: Esc did not end the program"
}

# The whole check at one dpi, after the same picker at 96 dpi has shown where its texts lie.
expect_scaled_picker() {
    local dpi=$1 skin_bitmap=$E2E_SKIN/pixlin.dat1
    use_dpi 96
    install_picker

    start_and_freeze
    ink_margins >"$E2E_DIR/margins96"
    end_picker

    use_dpi "$dpi"
    start_and_freeze
    local x y width height skin_width skin_height want_width want_height
    read -r x y width height < <(window_geometry "$PICKER_WINDOW")
    read -r skin_width skin_height <<<"$(identify -format '%w %h' "$skin_bitmap")"
    read -r want_width want_height < <(scaled "$skin_width" "$skin_height")
    [ "$width" -eq "$want_width" ] && [ "$height" -eq "$want_height" ] ||
        fail "$dpi dpi: window is ${width}x$height, not ${want_width}x$want_height"
    picker_in_corner || fail "$dpi dpi: window at $x,$y is not top right"

    # The cut-out: the screen's colour shows exactly where the bitmap's key colour lies, enlarged nearest-neighbour.
    # The swatch and the loupe show the screen's colour too, and the clock lies over a corner: they are left out.
    python3 - "$skin_bitmap" "$shot" "$dpi" "$sample_colour" "$(scaled_box preview)" "$(scaled_box zoom)" "$clock_box" \
        <<'PY' || fail "$dpi dpi: the cut-out is not the key colour enlarged"
import subprocess, sys
bitmap, shot, dpi, root = sys.argv[1], sys.argv[2], int(sys.argv[3]), bytes.fromhex(sys.argv[4])
boxes = [tuple(map(int, box.split(","))) for box in sys.argv[5:]]
def raw(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True).stdout
    w, h = map(int, size.split())
    return w, h, subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
w, h, source = raw(bitmap)
W, H, screen = raw(shot)
edge = lambda v: round(v * dpi / 96)
key = source[0:3]
wrong = 0
for y in range(h):
    for x in range(w):
        cut = source[3 * (y * w + x):3 * (y * w + x) + 3] == key
        for py in range(edge(y), edge(y + 1)):
            for px in range(edge(x), edge(x + 1)):
                if any(bl <= px < bl + bw and bt <= py < bt + bh for bl, bt, bw, bh in boxes):
                    continue
                through = screen[3 * (py * W + px):3 * (py * W + px) + 3] == root
                wrong += cut != through
print(wrong, "pixels differ", file=sys.stderr)
sys.exit(1 if wrong else 0)
PY

    # Each text lies inside its box, with the margins of 96 dpi enlarged (a pixel either way for the font's hinting).
    ink_margins >"$E2E_DIR/margins"
    python3 - "$E2E_DIR/margins96" "$E2E_DIR/margins" "$dpi" <<'PY' || fail "$dpi dpi: a text does not sit in its box as at 96 dpi"
import sys
before = {line.split()[0]: line.split()[1:] for line in open(sys.argv[1])}
after = {line.split()[0]: line.split()[1:] for line in open(sys.argv[2])}
scale = int(sys.argv[3]) / 96
bad = False
for name, margins in after.items():
    print(name, "96 dpi:", *before[name], " now:", *margins, file=sys.stderr)
    if "none" in margins or "none" in before[name]:
        bad = True
        continue
    top, bottom, left, right = (int(m) for m in margins)
    top96, bottom96, left96, _ = (int(m) for m in before[name])
    # Ink on a box's last row or column is text cut off there.
    if min(top, bottom, right) < 1:
        bad = True
    # The name box is an edit control, whose inner margins follow its font's character widths.
    slack = 2.5 if name == "text" else 1.5
    for now, then in ((top, top96), (bottom, bottom96), (left, left96)):
        if abs(now - then * scale) > slack:
            bad = True
sys.exit(1 if bad else 0)
PY

    # A click at each readout's scaled place copies exactly its text.
    local texts key i expected cx cy left top bw bh
    IFS='|' read -r -a texts < <(reference_colours colour "${readouts[@]}" | grep "^$sample_colour|" | cut -d'|' -f2-)
    [ "${#texts[@]}" -eq "${#readouts[@]}" ] || fail "no reference texts for #$sample_colour"
    set_clipboard 'before the first click'
    for i in "${!readouts[@]}"; do
        key=${readouts[$i]}
        expected=${texts[$i]}
        IFS=, read -r left top bw bh < <(scaled_box "$key")
        cx=$((x + left + bw / 2))
        cy=$((y + top + bh / 2))
        ! clipboard_is "$expected" || fail "the clipboard holds '$expected' before the click on $key"
        xdotool mousemove "$cx" "$cy" click 1
        wait_for 3 clipboard_is "$expected" || fail "$dpi dpi: a click on $key copied '$(clipboard_text)', not '$expected'"
    done
    window_name_is "$PICKER_WINDOW" "X:300   Y:400" || fail "$dpi dpi: the frozen caption changed"
    end_picker
    echo "$dpi dpi: ${width}x$height top right, cut-out exact, texts in their boxes, ${#readouts[@]} clicks copied exactly"
}
