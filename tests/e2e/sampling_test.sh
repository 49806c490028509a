#!/usr/bin/env bash
# The picker sits in the top right corner and samples the screen under the pointer: the caption
# follows the pointer and the swatch shows the colour, which stays while the pointer rests.
source "$(dirname "$0")/lib.sh"

xsetroot -solid '#3f111f'
xdotool mousemove 20 780
# The data files are found beside the program whatever characters its path holds.
use_picker_folder "$(printf 'Farbw\u00e4hler \u753b')"
install_picker
start_picker

read -r x y width height < <(window_geometry "$PICKER_WINDOW")
picker_in_corner ||
    fail "window at $x,$y size ${width}x$height is not in the top right corner"

xdotool mousemove 640 400
wait_for 5 window_name_is "$PICKER_WINDOW" "X:640   Y:400" ||
    fail "caption is '$(window_name "$PICKER_WINDOW")' with the pointer at 640,400"
! window_named '^[0-9]+$' || fail "start-up reported error $(window_name "$FOUND_WINDOW")"

# The swatch is at least 60 by 60 pixels. Once the screen around the window has another colour, the sampled one
# can only be the swatch's. (A tick with the pointer at rest reads nothing, so nothing here could show one: the
# Windows tests count the reads of such ticks.)
wait_for 5 window_shows_colour "$PICKER_WINDOW" 3f111f 3600 || fail "the swatch does not show #3f111f"
xsetroot -solid '#1f6f3a'
root_repainted() { [ "$(screen_pixel 20 780)" = 1f6f3a ]; }
wait_for 5 root_repainted || fail "the screen was not repainted"
window_shows_colour "$PICKER_WINDOW" 3f111f 3600 || fail "the swatch does not show the sampled #3f111f"

xdotool mousemove 700 401
wait_for 5 window_name_is "$PICKER_WINDOW" "X:700   Y:401" || fail "caption did not follow the pointer to 700,401"
wait_for 5 window_shows_colour "$PICKER_WINDOW" 1f6f3a 3600 || fail "the swatch does not show #1f6f3a"

press_keys "$PICKER_WINDOW" shift+Escape
wait_for 10 picker_gone || fail "Shift+Esc did not end the program"
echo "window at $x,$y size ${width}x$height; caption and swatch followed the pointer; Shift+Esc ended it"
