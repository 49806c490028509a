#!/usr/bin/env bash
# The click sound is a nicety: missing or broken, a readout click still copies its text and the picker runs on.
source "$(dirname "$0")/lib.sh"

install_picker
sound=$PICKER_DIR/pixlin.dat2

missing() { rm -f "$sound"; }
not_a_wave() { printf 'rgb=170,40,116,16,16117996\r\n' >"$sound"; }
truncated_wave() { head -c 30 "$E2E_SKIN/pixlin.dat2" >"$sound"; }

# How the sound file is spoiled; each start samples another reference colour, so that every copy is new.
spoilers=(missing not_a_wave truncated_wave)
mapfile -t colours < <(reference_colours colour rgb)
[ "${#colours[@]}" -ge "${#spoilers[@]}" ] || fail "fewer reference colours than ways to spoil the sound"
x=500
for i in "${!spoilers[@]}"; do
    spoil=${spoilers[$i]}
    IFS='|' read -r colour rgb <<<"${colours[$i]}"
    "$spoil"
    xsetroot -solid "#$colour"
    wait_for 5 screen_pixel_is 20 780 "$colour" || fail "the screen was not painted #$colour"
    x=$((x + 20))
    xdotool mousemove "$x" 400
    start_picker
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$x   Y:400" || fail "$spoil: caption did not follow to $x,400"
    [ -n "$CLOCK_PID" ] || start_clock
    press_hotkey
    wait_for_freeze "$PICKER_WINDOW" "$x" 401 || fail "$spoil: Ctrl+F12 did not freeze the sampling"
    ! clipboard_is "$rgb" || fail "$spoil: the clipboard holds '$rgb' before the click"
    click_control rgb
    wait_for 3 clipboard_is "$rgb" || fail "$spoil: a click on rgb copied '$(clipboard_text)', not '$rgb'"
    # Sampling again after the click shows that the picker got through the click and its sound.
    expect_sampling_resumes "$x" 402
    picker_running || fail "$spoil: the picker ended after the click"
    esc_ends_picker "$PICKER_WINDOW" || fail "$spoil: Esc did not end the program"
    echo "$spoil: the click copied '$rgb'"
done
stop_clock
