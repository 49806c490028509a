#!/usr/bin/env bash
# The picker leaves no trace: a session of use writes no file in the program's folder nor anywhere in the Wine
# prefix (which holds the Windows side's profile, temporary folder and registry), pins and a fixed text colour
# included, as long as nobody turns on keeping the colours.
source "$(dirname "$0")/lib.sh"

prefix=${WINEPREFIX:-$HOME/.wine}
[ -d "$prefix" ] || fail "no Wine prefix at $prefix"

# Every file with its size and modification time. The registry files are among them: wineserver rewrites them
# whenever the registry has changed.
snapshot() {
    find "$PICKER_DIR" "$prefix" -path "$prefix/dosdevices" -prune -o -type f -printf '%p %s %T@\n' | sort
}

install_picker
xsetroot -solid '#336699'
# One start and end first: Wine sets up its own state for a new program (for instance the desktop window) once.
start_picker
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the first start"

before=$(snapshot)
start_picker
for spot in "100 100" "400 300" "700 500"; do
    read -r x y <<<"$spot"
    xdotool mousemove "$x" "$y"
    wait_for 5 window_name_is "$PICKER_WINDOW" "X:$x   Y:$y" || fail "caption did not follow to $x,$y"
done
click_control hex
click_control rgb
choose_from_colour_menu p
choose_from_colour_menu t
# The right button on the first history swatch opens the menu there; Esc closes it.
read -r x y _ < <(history_swatch 0)
xdotool mousemove "$x" "$y" click 3
wait_for 5 picker_menu_shown || fail "the right button on a history swatch opened no menu"
xdotool key Escape
xdotool keyup Escape
wait_for 5 picker_menu_gone || fail "Esc did not close the menu"
click_control preview
wait_for 5 window_named '^pixlin\.example\.org$' || fail "no about message"
press_keys "$FOUND_WINDOW" Return
about_box_gone() { ! window_named '^pixlin\.example\.org$'; }
wait_for 5 about_box_gone || fail "Return did not close the about message"
esc_ends_picker "$PICKER_WINDOW" || fail "Esc did not end the program"
after=$(snapshot)

changed=$(diff <(echo "$before") <(echo "$after") | grep -E '^[<>]' || true)
# The server writes the registry to its files only now and then: it is asked directly.
! wine reg query 'HKCU\Software\Pixlin' >/dev/null 2>&1 </dev/null || fail "the session wrote HKCU\Software\Pixlin"
[ -z "$changed" ] || fail "files changed during the session:"$'\n'"$changed"
echo "$(wc -l <<<"$after") files in the program folder and the Wine prefix unchanged by a session of use"
