# Shared by the end-to-end tests: a private copy of the program with its data files,
# starting and stopping it, and reading what a person would see.
set -euo pipefail

E2E_EXE=$1
E2E_SKIN=$2
E2E_SUPPORT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)
E2E_DIR=$(mktemp -d)
PICKER_DIR=$E2E_DIR
PICKER_PID=""
PICKER_WINDOW=""
CLOCK_PID=""
CLOCK_WINDOW=""

e2e_cleanup() {
    local pid
    for pid in "$PICKER_PID" "$CLOCK_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints the named columns of every reference colour in tests/support/reference_colours.tsv (the table the C++ tests
# use too), one colour a line, '|' between the columns.
reference_colours() {
    awk -F'\t' -v columns="$*" '
        NR == 1 {
            for (i = 1; i <= NF; i++) column[$i] = i
            n = split(columns, wanted, " ")
            for (i = 1; i <= n; i++) if (!(wanted[i] in column)) { print "no column " wanted[i] > "/dev/stderr"; exit 1 }
            next
        }
        NF > 1 {
            line = $(column[wanted[1]])
            for (i = 2; i <= n; i++) line = line "|" $(column[wanted[i]])
            print line
        }' "$E2E_SUPPORT/reference_colours.tsv"
}

# Copies the program and, unless told otherwise, the default skin's three files.
install_picker() {
    cp "$E2E_EXE" "$PICKER_DIR/pixlin.exe"
    local file
    for file in pixlin.dat0 pixlin.dat1 pixlin.dat2; do
        if [ -f "$E2E_SKIN/$file" ]; then
            cp "$E2E_SKIN/$file" "$PICKER_DIR/$file"
        fi
    done
}

# Installs the picker in a folder below the private one instead, e.g. one with a long or non-ASCII name.
use_picker_folder() {
    PICKER_DIR="$E2E_DIR/$1"
    mkdir -p "$PICKER_DIR"
}

# Polls until a command succeeds, for at most the given seconds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

picker_window_found() {
    PICKER_WINDOW=$(xdotool search --onlyvisible --pid "$PICKER_PID" 2>/dev/null | head -n 1 || true)
    [ -n "$PICKER_WINDOW" ]
}

picker_in_corner() {
    local x y width
    read -r x y width _ < <(window_geometry "$PICKER_WINDOW")
    [ $((x + width)) -eq "$(screen_width)" ] && [ "$y" -eq 0 ]
}

# Start-up shows the shaped window where it was made and only then moves it to the top right corner, so a test
# that looked at once could catch it on the way. Where the corner is never reached, the test's own checks say so.
start_picker() {
    (cd "$PICKER_DIR" && exec wine ./pixlin.exe >/dev/null 2>>"$E2E_DIR/picker.stderr" </dev/null) &
    PICKER_PID=$!
    wait_for 20 picker_window_found || fail "the picker window did not appear"
    wait_for 5 picker_in_corner || true
}

picker_running() {
    kill -0 "$PICKER_PID" 2>/dev/null && [ "$(ps -o stat= -p "$PICKER_PID" | cut -c1)" != Z ]
}

picker_gone() {
    ! picker_running
}

window_name() {
    xdotool getwindowname "$1" 2>/dev/null || true
}

# "X Y W H" of a window in screen pixels.
window_geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '
        /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2}
        END {print x, y, w, h}'
}

# Saves the window as it is on the screen now to a picture file.
window_shot() {
    local x y width height
    read -r x y width height < <(window_geometry "$1")
    import -window root -crop "${width}x$height+$x+$y" +repage "$2"
}

# Colour of one screen pixel as rrggbb.
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -oE '#[0-9A-Fa-f]{6}' | tr -d '#' |
        tr 'A-F' 'a-f'
}

# Leaves one of the data files out of the picker's folder.
remove_data_file() {
    rm -f "$PICKER_DIR/$1"
}

window_name_is() {
    [ "$(window_name "$1")" = "$2" ]
}

# Sets FOUND_WINDOW to the first mapped window whose name matches the pattern. Wine names a window before
# it maps it, and an unmapped one cannot take the focus.
window_named() {
    FOUND_WINDOW=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$FOUND_WINDOW" ]
}

screen_width() {
    xdotool getdisplaygeometry | cut -d' ' -f1
}

# How many pixels of a window's rectangle on the screen have the colour rrggbb.
count_colour_in_window() {
    local x y width height
    read -r x y width height < <(window_geometry "$1")
    import -window root -crop "${width}x$height+$x+$y" -depth 8 txt:- | grep -ci "#$2" || true
}

# Polls until at least the given number of the window's pixels have the colour.
window_shows_colour() {
    [ "$(count_colour_in_window "$1" "$2")" -ge "$3" ]
}

# The values of a key in the picker's skin layout file, space-separated; a later line for the key overrides.
layout_values() {
    tr -d '\r' <"$PICKER_DIR/pixlin.dat0" |
        awk -F= -v key="$1" '$1 == key {values = $2} END {gsub(",", " ", values); print values}'
}

# "left top width height" of a control in the picker's skin layout file, in pixels of the client area.
layout_rect() {
    layout_values "$1" | cut -d' ' -f1-4
}

# Screen position of the centre of a control that the layout file places.
control_centre() {
    local left top width height wx wy
    read -r left top width height < <(layout_rect "$1")
    [ -n "$height" ] || fail "the layout file places no '$1'"
    read -r wx wy _ < <(window_geometry "$PICKER_WINDOW")
    echo $((wx + left + width / 2)) $((wy + top + height / 2))
}

click_control() {
    local x y
    read -r x y < <(control_centre "$1")
    xdotool mousemove "$x" "$y" click 1
}

# The clipboard's text as another X client sees it.
clipboard_text() {
    timeout 2 xclip -o -selection clipboard 2>/dev/null || true
}

# Where point_at puts the pointer next: 20 px further right each time, so that every call is a move.
spot_x=600
# Paints the screen (the root window) the colour RRGGBB, moves the pointer to a new spot on it and waits until the
# picker has sampled it there.
point_at() {
    xsetroot -solid "#$1"
    wait_for 5 screen_pixel_is 20 780 "$1" || fail "the screen was not painted #$1"
    spot_x=$((spot_x + 20))
    xdotool mousemove "$spot_x" 400
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$spot_x   Y:400" || fail "caption did not follow to $spot_x,400"
}

# xclip stays behind to serve what it put on the clipboard until another program takes it: with the test's output
# open, CTest would wait for it to the timeout after a test that failed before the picker copied anything.
set_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard >/dev/null 2>&1
}

clipboard_is() {
    [ "$(clipboard_text)" = "$1" ]
}

focus_window() {
    xdotool windowfocus --sync "$1" 2>/dev/null
}

# Gives a window the focus, then presses the keys. The focus is retried briefly: X refuses it to a window
# that is still being mapped.
press_keys() {
    local window=$1
    shift
    wait_for 5 focus_window "$window" || fail "window $window does not take the focus"
    xdotool key "$@"
}

# Esc ends the picker whose window is given, with its key-up: a held Escape would repeat in Xvfb and close the next
# window that takes the focus. One press: if the program still runs 5 s later, this says what had the focus and what
# the picker wrote to its error output, and fails.
esc_ends_picker() {
    press_keys "$1" Escape
    xdotool keyup Escape
    wait_for 5 picker_gone && return 0
    local focus
    focus=$(xdotool getwindowfocus 2>/dev/null || true)
    echo "the picker still runs 5 s after Esc: the X focus is on window ${focus:-none} ('$(window_name "$focus")')," \
        "the picker's window is $1 ('$(window_name "$1")')" >&2
    if [ -s "$E2E_DIR/picker.stderr" ]; then
        echo "the picker's error output:" >&2
        tail -n 20 "$E2E_DIR/picker.stderr" >&2
    fi
    return 1
}

# Ctrl+F12 reaches Wine only while one of its windows has the focus.
press_hotkey() {
    press_keys "$PICKER_WINDOW" ctrl+F12
}

screen_pixel_is() {
    [ "$(screen_pixel "$1" "$2")" = "$3" ]
}

# What a user needs of a picker started with whatever is in its folder: its window (of the size WxH, if given), no
# start-up failure, the caption following the pointer and Esc ending the program.
expect_usable() {
    local what=$1 x=$2 y=$3 size=${4:-} width height
    start_picker
    if [ -n "$size" ]; then
        read -r _ _ width height < <(window_geometry "$PICKER_WINDOW")
        [ "${width}x$height" = "$size" ] || fail "$what: the window is ${width}x$height, not $size"
    fi
    xdotool mousemove "$x" "$y"
    wait_for 10 window_name_is "$PICKER_WINDOW" "X:$x   Y:$y" ||
        fail "$what: caption is '$(window_name "$PICKER_WINDOW")' with the pointer at $x,$y"
    ! window_named '^[0-9]+$' || fail "$what: start-up reported error $(window_name "$FOUND_WINDOW")"
    esc_ends_picker "$PICKER_WINDOW" || fail "$what: Esc did not end the program"
}

# Milliseconds since some fixed point, for start-up times.
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# How long the picker takes from start to its visible window, in milliseconds, with whatever is in its folder; the
# window is left open in PICKER_WINDOW.
timed_start() {
    local began
    began=$(now_ms)
    start_picker
    echo $(($(now_ms) - began)) >"$E2E_DIR/start_ms"
}

# The picker's peak memory so far (VmHWM) in kB. The process `wine` becomes is the Windows process itself.
picker_peak_kb() {
    awk '/^VmHWM:/ {print $2}' "/proc/$PICKER_PID/status"
}

# A second copy of the picker as a clock, started after the first so that it gets no hot key. Its skin is a few
# pixels in the top right corner of the screen, all of it the quit control; its caption follows the pointer as the
# first copy's does. Once it shows a move, a sampling tick has passed since that move: a check that the first copy
# did not change relies on that, never on a guessed sleep.
start_clock() {
    local dir=$E2E_DIR/clock
    mkdir -p "$dir"
    cp "$E2E_EXE" "$dir/pixlin.exe"
    printf 'quit=0,0,6,6\r\n' >"$dir/pixlin.dat0"
    python3 "$E2E_SUPPORT/bmp.py" 6 6 2c3340 ff00ff >"$dir/pixlin.dat1"
    (cd "$dir" && exec wine ./pixlin.exe >/dev/null 2>&1 </dev/null) &
    CLOCK_PID=$!
    wait_for 20 clock_window_found || fail "the clock copy did not start"
}

clock_window_found() {
    CLOCK_WINDOW=$(xdotool search --onlyvisible --pid "$CLOCK_PID" 2>/dev/null | head -n 1 || true)
    [ -n "$CLOCK_WINDOW" ]
}

clock_gone() {
    ! kill -0 "$CLOCK_PID" 2>/dev/null || [ "$(ps -o stat= -p "$CLOCK_PID" | cut -c1)" = Z ]
}

# Ended with a click on its quit control, as a user ends it: a killed copy would leave its hot key atom behind.
stop_clock() {
    local x y width height
    read -r x y width height < <(window_geometry "$CLOCK_WINDOW")
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
    wait_for 10 clock_gone || fail "the quit control did not end the clock copy"
    CLOCK_PID=""
}

# Moves the pointer to a place it is not at and waits until the clock has sampled it there.
move_and_tick() {
    [ "$(xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/')" != "$1 $2" ] ||
        fail "the pointer is already at $1,$2: no move to sample"
    xdotool mousemove "$1" "$2"
    wait_for 5 window_name_is "$CLOCK_WINDOW" "X:$1   Y:$2" || fail "the clock did not sample the pointer at $1,$2"
}

# Waits until the picker's window WINDOW has stopped sampling: two moves in a row (along the row Y, rightwards from X)
# that the clock sampled and WINDOW did not. Sets FROZEN_CAPTION to the caption it kept.
wait_for_freeze() {
    local window=$1 x=$2 y=$3 caption unchanged=0 deadline=$((SECONDS + 10))
    caption=$(window_name "$window")
    while [ "$unchanged" -lt 2 ]; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        x=$((x + 1))
        move_and_tick "$x" "$y"
        if [ "$(window_name "$window")" = "$caption" ]; then
            unchanged=$((unchanged + 1))
        else
            caption=$(window_name "$window")
            unchanged=0
        fi
    done
    FROZEN_CAPTION=$caption
}

# Ctrl+F12 again, and the picker samples a move once more; also shows that it ran on through what came before.
expect_sampling_resumes() {
    press_hotkey
    xdotool mousemove "$1" "$2"
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$1   Y:$2" || fail "the picker does not sample again after Ctrl+F12"
}

# Fails, keeping the pictures in $shots beyond the run, for a look at what went wrong.
fail_with_shots() {
    local kept
    kept=$(mktemp -d "${TMPDIR:-/tmp}/pixlin-shots.XXXXXX")
    cp "$shots"/*.png "$kept"/ 2>/dev/null || true
    fail "$* (pictures in $kept)"
}

# Number of white pixels in a black and white picture.
white_pixels() {
    convert "$1" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# A window of the picker's other than its own, such as its context menu.
picker_menu_shown() {
    [ -n "$(xdotool search --onlyvisible --pid "$PICKER_PID" 2>/dev/null | grep -vx "$PICKER_WINDOW" || true)" ]
}

picker_menu_gone() {
    ! picker_menu_shown
}

# Opens the colours' menu with Shift+F10 (or the key given second, such as Menu) and chooses an item by its letter.
choose_from_colour_menu() {
    press_keys "$PICKER_WINDOW" "${2:-shift+F10}"
    wait_for 5 picker_menu_shown || fail "${2:-shift+F10} opened no menu"
    xdotool key "$1"
    wait_for 5 picker_menu_gone || fail "the menu stayed open after '$1'"
}

# Centre and top-left pixel of the history's swatch N (0 the leftmost) on the screen, as "CX CY LX LY".
history_swatch() {
    local left top width height count wx wy
    read -r left top width height count < <(layout_values history)
    read -r wx wy _ < <(window_geometry "$PICKER_WINDOW")
    local swatch=$((width / count))
    echo $((wx + left + swatch * $1 + swatch / 2)) $((wy + top + height / 2)) $((wx + left + swatch * $1)) $((wy + top))
}
