#!/usr/bin/env bash
# Taking a value as a user does: the pointer on a colour, Ctrl+F12 to freeze, then a click on each
# readout puts exactly its text on the clipboard; Ctrl+F12 again lets the readouts follow the pointer.
source "$(dirname "$0")/lib.sh"

# Colour, then the texts of rgb, hex, long, hls, cmy, cmyk and ycbcr.
samples=(
    "ff8000|255,128,0|'#FF8000'|33023|90,50,100|0,127,255|0,50,100,0|151,43,202"
    "000000|0,0,0|'#000000'|0|60,0,0|255,255,255|0,0,0,100|0,128,128"
    "ffffff|255,255,255|'#FFFFFF'|16777215|60,100,0|0,0,0|0,0,0,0|255,128,128"
    "000f48|0,15,72|'#000F48'|4722432|288,14,100|255,240,183|100,79,0,72|17,159,116"
)
readouts=(rgb hex long hls cmy cmyk ycbcr)

# Whatever an earlier test copied must not pass for this one's first copy.
printf 'before the first click' | xclip -selection clipboard
install_picker
start_picker

copied=0
spot_x=600
for sample in "${samples[@]}"; do
    IFS='|' read -r -a fields <<<"$sample"
    colour=${fields[0]}
    texts=("${fields[@]:1}")

    xsetroot -solid "#$colour"
    wait_for 5 screen_pixel_is 20 780 "$colour" || fail "the screen was not painted #$colour"
    spot_x=$((spot_x + 7))
    xdotool mousemove "$spot_x" 400
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$spot_x   Y:400" || fail "caption did not follow to $spot_x,400"
    frozen_caption="X:$spot_x   Y:400"

    press_hotkey
    sleep 0.2
    # Frozen: a move off the colour leaves caption and readouts alone.
    xdotool mousemove $((spot_x + 1)) 401
    sleep 0.1
    [ "$(window_name "$PICKER_WINDOW")" = "$frozen_caption" ] || fail "Ctrl+F12 did not freeze the sampling"

    for i in "${!readouts[@]}"; do
        expected=${texts[$i]}
        # Each click must change the clipboard, or an unchanged one could pass for a copy.
        ! clipboard_is "$expected" || fail "the clipboard holds '$expected' before the click on ${readouts[$i]}"
        click_control "${readouts[$i]}"
        wait_for 3 clipboard_is "$expected" ||
            fail "#$colour: a click on ${readouts[$i]} copied '$(clipboard_text)', not '$expected'"
        copied=$((copied + 1))
    done
    [ "$(window_name "$PICKER_WINDOW")" = "$frozen_caption" ] || fail "the caption moved while frozen"

    press_hotkey
    read -r pointer_x pointer_y < <(xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/')
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$pointer_x   Y:$pointer_y" ||
        fail "Ctrl+F12 again did not resume the sampling"
done

picker_running || fail "the picker ended"
# Ended as a user ends it, so that it gives back its hot key and atom; a killed copy cannot.
press_keys "$PICKER_WINDOW" Escape
wait_for 10 picker_gone || fail "Esc did not end the program"
echo "$copied readout clicks copied exactly their texts for ${#samples[@]} colours; Ctrl+F12 froze and resumed"
