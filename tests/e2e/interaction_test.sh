#!/usr/bin/env bash
# The rest of what a user does with the window: a click on the swatch shows the about message, a
# press on the free surface drags the window, the quit control and Esc end the program, and a second
# running copy works without the hot key, which stays with the first.
source "$(dirname "$0")/lib.sh"

readonly about_title='^pixlin\.example\.org$'

about_box_shown() {
    FOUND_WINDOW=$(xdotool search --onlyvisible --name "$about_title" 2>/dev/null | head -n 1 || true)
    [ -n "$FOUND_WINDOW" ]
}

about_box_gone() {
    ! about_box_shown
}

window_at() {
    local x y
    read -r x y _ < <(window_geometry "$PICKER_WINDOW")
    [ "$x $y" = "$1 $2" ]
}

xsetroot -solid '#204060'
install_picker
start_picker

# The about message: a box of the picker's own, titled with the project's host; sampling goes on
# behind it, and Return closes it. The click waits until the picker samples at the swatch: a click that comes while
# the window is still starting can be lost (seen once in a CI run), which no user clicking a shown window meets.
read -r swatch_x swatch_y < <(control_centre preview)
xdotool mousemove "$swatch_x" "$swatch_y"
wait_for 5 window_name_is "$PICKER_WINDOW" "X:$swatch_x   Y:$swatch_y" || fail "the picker does not sample at the swatch"
xdotool click 1
wait_for 5 about_box_shown || fail "no about message after a click on the swatch"
[ "$(xdotool getwindowpid "$FOUND_WINDOW")" = "$PICKER_PID" ] || fail "the about message is not the picker's"
xdotool mousemove 500 500
wait_for 5 window_name_is "$PICKER_WINDOW" "X:500   Y:500" || fail "sampling stopped behind the about message"
press_keys "$FOUND_WINDOW" Return
wait_for 5 about_box_gone || fail "Return did not close the about message"

# A press between the swatch and the nearest box beside it drags the window; one on a readout does not.
read -r start_x start_y _ < <(window_geometry "$PICKER_WINDOW")
read -r swatch_left swatch_top swatch_width swatch_height < <(layout_rect preview)
swatch_right=$((swatch_left + swatch_width))
beside_left=$(tr -d '\r' <"$PICKER_DIR/pixlin.dat0" |
    awk -F'[=,]' -v right="$swatch_right" -v top="$swatch_top" -v bottom=$((swatch_top + swatch_height)) '
        NF >= 5 && $2 >= right && $3 < bottom && $3 + $5 > top && (min == "" || $2 < min) {min = $2}
        END {print min}')
[ -n "$beside_left" ] || fail "the layout places no box beside the swatch"
press_x=$((start_x + (swatch_right + beside_left) / 2))
press_y=$((start_y + swatch_top + swatch_height / 2))
# Presses at a spot and moves the pointer down and left in five steps, each awaited by the given check (called
# with the step's number and the pointer's place), then releases.
drag() {
    local x=$1 y=$2 step_done=$3 step
    xdotool mousemove "$x" "$y" mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $((x - 40 * step)) $((y + 30 * step))
        wait_for 5 "$step_done" "$step" $((x - 40 * step)) $((y + 30 * step)) ||
            fail "no effect of drag step $step from $x,$y"
    done
    xdotool mouseup 1
}
window_followed() {
    window_at $((start_x - 40 * $1)) $((start_y + 30 * $1))
}
caption_followed() {
    window_name_is "$PICKER_WINDOW" "X:$2   Y:$3"
}
drag "$press_x" "$press_y" window_followed
wait_for 5 window_at $((start_x - 200)) $((start_y + 150)) ||
    fail "window at $(window_geometry "$PICKER_WINDOW") after a drag by -200,150 from $start_x,$start_y"

# The picker samples every step, so each move has reached it, and none moved the window.
read -r rgb_x rgb_y < <(control_centre rgb)
drag "$rgb_x" "$rgb_y" caption_followed
window_at $((start_x - 200)) $((start_y + 150)) || fail "a press on a readout dragged the window"
picker_running || fail "the picker ended while dragged"

# The quit control ends the program, wherever the window now is.
click_control quit
wait_for 10 picker_gone || fail "the quit control did not end the program"
[ -z "$(xdotool search --pid "$PICKER_PID" 2>/dev/null || true)" ] || fail "a window of the picker is left"

# Two copies: the second samples on its own, but Ctrl+F12 (pressed while the second has the focus)
# still freezes only the first, which holds the hot key.
start_picker
first_pid=$PICKER_PID
first_window=$PICKER_WINDOW
trap 'kill "$first_pid" 2>/dev/null || true; e2e_cleanup' EXIT
start_picker
second_pid=$PICKER_PID
second_window=$PICKER_WINDOW
xdotool mousemove 300 300
wait_for 5 window_name_is "$first_window" "X:300   Y:300" || fail "the first copy does not sample"
wait_for 5 window_name_is "$second_window" "X:300   Y:300" || fail "the second copy does not sample"
# The second copy is the clock: every move it samples, the frozen first copy must not.
CLOCK_WINDOW=$second_window
press_hotkey
wait_for_freeze "$first_window" 300 330 || fail "Ctrl+F12 did not freeze the first copy"
move_and_tick 320 340
[ "$(window_name "$first_window")" = "$FROZEN_CAPTION" ] || fail "the first copy samples again"

# Esc ends each copy.
esc_ends_picker "$second_window" || fail "Esc did not end the second copy"
PICKER_PID=$first_pid
PICKER_WINDOW=$first_window
picker_running || fail "the first copy ended with the second"
esc_ends_picker "$first_window" || fail "Esc did not end the first copy"
echo "about message shown and closed; dragged by -200,150 from $start_x,$start_y; quit control and Esc ended" \
    "the program; a second copy ran without the hot key"
