#!/usr/bin/env bash
# The click sound is a nicety: missing or broken, a readout click still copies its text and the picker runs on.
source "$(dirname "$0")/lib.sh"

install_picker
sound=$PICKER_DIR/pixlin.dat2

missing() { rm -f "$sound"; }
not_a_wave() { printf 'rgb=170,40,116,16,16117996\r\n' >"$sound"; }
truncated_wave() { head -c 30 "$E2E_SKIN/pixlin.dat2" >"$sound"; }

# Each row: how the sound file is spoiled, the screen's colour and its rgb text, so that every copy is new.
rows=(
    "missing ff8000 255,128,0"
    "not_a_wave 000f48 0,15,72"
    "truncated_wave 1f6f3a 31,111,58"
)
x=500
for row in "${rows[@]}"; do
    read -r spoil colour rgb <<<"$row"
    "$spoil"
    xsetroot -solid "#$colour"
    wait_for 5 screen_pixel_is 20 780 "$colour" || fail "the screen was not painted #$colour"
    x=$((x + 9))
    xdotool mousemove "$x" 400
    start_picker
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$x   Y:400" || fail "$spoil: caption did not follow to $x,400"
    press_hotkey
    sleep 0.2
    ! clipboard_is "$rgb" || fail "$spoil: the clipboard holds '$rgb' before the click"
    click_control rgb
    wait_for 3 clipboard_is "$rgb" || fail "$spoil: a click on rgb copied '$(clipboard_text)', not '$rgb'"
    sleep 0.3
    picker_running || fail "$spoil: the picker ended after the click"
    press_keys "$PICKER_WINDOW" Escape
    wait_for 10 picker_gone || fail "$spoil: Esc did not end the program"
    echo "$spoil: the click copied '$rgb'"
done
