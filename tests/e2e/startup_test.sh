#!/usr/bin/env bash
# Start and close: the picker comes up on the screen and Esc ends it.
source "$(dirname "$0")/lib.sh"

install_picker
start_picker
read -r x y width height < <(window_geometry "$PICKER_WINDOW")
[ "$width" -gt 0 ] && [ "$height" -gt 0 ] || fail "window has no size: $width x $height"
# Common Controls 6 costs megabytes; only a message box may bring it in.
! grep -qi 'comctl32' "/proc/$PICKER_PID/maps" || fail "the picker loaded comctl32.dll at start"

esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
echo "window at $x,$y size ${width}x$height; Esc ended it"
