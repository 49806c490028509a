#!/usr/bin/env bash
# The paste forms as a user takes them: on a layout of its own that places the newer readouts, the state line and a
# history of four swatches on the default bitmap, a click on each newer readout puts exactly its text on the
# clipboard; Ctrl+F11 copies the pick in the form of the readout clicked last; a swatch brings its colour back; and
# the contrast readout measures against the colour copied last.
source "$(dirname "$0")/lib.sh"

install_picker
printf '%s\r\n' \
    rgb=170,40,116,16,16117996 hex=170,62,116,16,16117996 preview=14,40,92,148 text=56,204,226,16,3155488 \
    quit=271,11,19,19 \
    csshex=18,240,130,16,16117996 cssrgb=18,260,130,16,16117996 csshsl=18,280,130,16,16117996 \
    hsv=18,300,130,16,16117996 oklch=152,240,130,16,16117996 nearest=152,260,130,16,16117996 \
    contrast=152,280,130,16,16117996 state=152,300,130,16,16117996 history=18,330,264,20,4 \
    >"$PICKER_DIR/pixlin.dat0"

readouts=(csshex cssrgb csshsl hsv oklch nearest)
# Colour, then the texts of the readouts above: the published CSS and OKLCH forms.
samples=(
    'ff8000|#FF8000|rgb(255, 128, 0)|hsl(30, 100%, 50%)|30,100,100|oklch(73.2% 0.186 53.0)|≈ darkorange - dunkles Orange'
    'ff0000|#FF0000|rgb(255, 0, 0)|hsl(0, 100%, 50%)|0,100,100|oklch(62.8% 0.258 29.2)|red - Rot'
)

# Start, press, paste: Ctrl+F11 the moment the window shows copies the colour under the pointer. Wine hands a hot
# key over only while one of its windows holds the X focus, which a loaded machine gives the new window a little
# after it shows; on Windows the key is global.
set_clipboard 'before the first copy'
xsetroot -solid '#e27052'
wait_for 5 screen_pixel_is 20 780 e27052 || fail "the screen was not painted #e27052"
xdotool mousemove 580 400
start_picker
press_keys "$PICKER_WINDOW" ctrl+F11
wait_for 3 clipboard_is "#E27052" || fail "Ctrl+F11 as the window showed copied '$(clipboard_text)', not '#E27052'"
start_clock

freeze() {
    press_hotkey
    wait_for_freeze "$PICKER_WINDOW" "$spot_x" 401 || fail "Ctrl+F12 did not freeze the sampling"
}

# Each copy must change the clipboard, or an unchanged one could pass for a copy.
expect_copy() {
    local what=$1 expected=$2
    shift 2
    ! clipboard_is "$expected" || set_clipboard 'cleared'
    "$@"
    wait_for 3 clipboard_is "$expected" || fail "$what copied '$(clipboard_text)', not '$expected'"
}

copy_key() {
    press_keys "$PICKER_WINDOW" ctrl+F11
}

# Screen position of the centre of history swatch $1 (0 at the left).
swatch_centre() {
    local left top width height count wx wy
    read -r left top width height count < <(layout_values history)
    read -r wx wy _ < <(window_geometry "$PICKER_WINDOW")
    echo $((wx + left + (width / count) * $1 + width / count / 2)) $((wy + top + height / 2))
}

swatch_is() {
    local x y
    read -r x y < <(swatch_centre "$1")
    screen_pixel_is "$x" "$y" "$2"
}

point_at ff8000
expect_copy "Ctrl+F11 before any click" "#FF8000" copy_key
for sample in "${samples[@]}"; do
    IFS='|' read -r -a fields <<<"$sample"
    colour=${fields[0]}
    texts=("${fields[@]:1}")
    [ "$colour" = ff8000 ] || point_at "$colour"
    freeze
    for i in "${!readouts[@]}"; do
        expect_copy "#$colour: a click on ${readouts[$i]}" "${texts[$i]}" click_control "${readouts[$i]}"
    done
    # Copied just now, the colour is the history's latest: the contrast is with itself.
    expect_copy "#$colour: a click on contrast" "1.00:1 fail" click_control contrast
    press_hotkey
done

# The readout clicked last sets the key's form, also an older readout's.
point_at 204060
freeze
dark_caption=$FROZEN_CAPTION
expect_copy "a click on rgb" "32,64,96" click_control rgb
press_hotkey
point_at ffffff
expect_copy "Ctrl+F11 after a click on rgb" "255,255,255" copy_key

# Copied last white, the dark blue before it: the second swatch brings the dark blue back, frozen, where it was picked.
swatches_show() {
    swatch_is 0 ffffff && swatch_is 1 204060 && swatch_is 2 ff0000 && swatch_is 3 ff8000
}
wait_for 3 swatches_show || fail "the swatches do not show white, #204060, red and orange from the left"
read -r x y < <(swatch_centre 1)
xdotool mousemove "$x" "$y" click 1
wait_for 5 window_name_is "$PICKER_WINDOW" "$dark_caption" ||
    fail "a click on the second swatch shows '$(window_name "$PICKER_WINDOW")', not '$dark_caption'"
read -r x y < <(control_centre preview)
wait_for 3 screen_pixel_is "$x" "$y" 204060 || fail "the swatch does not show the colour brought back"
move_and_tick 700 500
[ "$(window_name "$PICKER_WINDOW")" = "$dark_caption" ] || fail "a colour brought back did not freeze the sampling"
expect_copy "the colour brought back, by cssrgb" "rgb(32, 64, 96)" click_control cssrgb
expect_copy "the colour brought back, by rgb" "32,64,96" click_control rgb
expect_copy "the colour brought back, by csshex" "#204060" click_control csshex

# White copied, then pointing at grey: the contrast is grey's against white.
press_hotkey
point_at ffffff
expect_copy "Ctrl+F11 on white" "#FFFFFF" copy_key
point_at 777777
freeze
expect_copy "the contrast of grey against white" "4.47:1 AA large" click_control contrast

picker_running || fail "the picker ended"
stop_clock
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "newer readouts copied their forms for ${#samples[@]} colours; Ctrl+F11 followed the last click; a swatch brought its colour back"
