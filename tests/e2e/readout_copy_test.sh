#!/usr/bin/env bash
# Taking a value as a user does: the pointer on a colour, Ctrl+F12 to freeze, then a click on each
# readout puts exactly its text on the clipboard; Ctrl+F12 again lets the readouts follow the pointer.
source "$(dirname "$0")/lib.sh"

readouts=(rgb hex long hls cmy cmyk ycbcr)
# Colour, then the texts of the readouts.
mapfile -t samples < <(reference_colours colour "${readouts[@]}")
[ "${#samples[@]}" -gt 0 ] || fail "no reference colours"

# Whatever an earlier test copied must not pass for this one's first copy.
set_clipboard 'before the first click'
install_picker
start_picker
start_clock

copied=0
spot_x=600
for sample in "${samples[@]}"; do
    IFS='|' read -r -a fields <<<"$sample"
    colour=${fields[0]}
    texts=("${fields[@]:1}")

    xsetroot -solid "#$colour"
    wait_for 5 screen_pixel_is 20 780 "$colour" || fail "the screen was not painted #$colour"
    spot_x=$((spot_x + 10))
    xdotool mousemove "$spot_x" 400
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$spot_x   Y:400" || fail "caption did not follow to $spot_x,400"

    # Frozen: moves off the colour, which the clock sampled, leave caption and readouts alone.
    press_hotkey
    wait_for_freeze "$PICKER_WINDOW" "$spot_x" 401 || fail "Ctrl+F12 did not freeze the sampling"
    frozen_caption=$FROZEN_CAPTION

    for i in "${!readouts[@]}"; do
        expected=${texts[$i]}
        # Each click must change the clipboard, or an unchanged one could pass for a copy.
        ! clipboard_is "$expected" || fail "the clipboard holds '$expected' before the click on ${readouts[$i]}"
        click_control "${readouts[$i]}"
        wait_for 3 clipboard_is "$expected" ||
            fail "#$colour: a click on ${readouts[$i]} copied '$(clipboard_text)', not '$expected'"
        copied=$((copied + 1))
    done
    move_and_tick $((spot_x + 5)) 402
    [ "$(window_name "$PICKER_WINDOW")" = "$frozen_caption" ] || fail "the caption moved while frozen"

    press_hotkey
    read -r pointer_x pointer_y < <(xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/')
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$pointer_x   Y:$pointer_y" ||
        fail "Ctrl+F12 again did not resume the sampling"
done

picker_running || fail "the picker ended"
stop_clock
# Ended as a user ends it, so that it gives back its hot key and atom; a killed copy cannot.
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "$copied readout clicks copied exactly their texts for ${#samples[@]} colours; Ctrl+F12 froze and resumed"
